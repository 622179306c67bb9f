"""A throw-away Wayland desktop: Weston's headless compositor with Xwayland beside it.

It needs no GPU and no seat. Weston gets a runtime directory and a socket of its own, is started
and ended by its process id (it ends its Xwayland and shell clients with it), and every client
gets an environment built from scratch, so nothing of the caller's desktop leaks in.
"""

import os
import re
import subprocess

from x_session import XSession, poll

_LISTENING = re.compile(r"xserver listening on display (:\d+)")


class WestonSession(XSession):
    """Weston with --xwayland; `display` is the Xwayland display and `socket` the Wayland one."""

    socket = "worthmere-wayland"

    def __init__(self):
        super().__init__(window_manager=None)
        self.runtime = os.path.join(self.home.name, "runtime")
        self.log = os.path.join(self.home.name, "weston.log")

    def client_environment(self, **variables):
        """PATH and scratch directories only, plus the given variables."""
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.home.name,
            "XDG_RUNTIME_DIR": self.runtime,
            "XDG_CONFIG_HOME": os.path.join(self.home.name, "config"),
            "XDG_CACHE_HOME": os.path.join(self.home.name, "cache"),
            # No session bus: without this a client may autolaunch a bus daemon that outlives us.
            "DBUS_SESSION_BUS_ADDRESS": "disabled:",
        }
        env.update(variables)
        return env

    def environment(self, extra=None):
        """For the X tools that look at the Xwayland display."""
        return self.client_environment(DISPLAY=self.display, **(extra or {}))

    def _start_server(self):
        os.makedirs(self.runtime, mode=0o700)
        self.start(
            ["weston", "--backend=headless-backend.so", "--xwayland", f"--socket={self.socket}",
             "--idle-time=0", f"--log={self.log}"],
            env=self.client_environment(),
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        # Weston picks the X display number itself and only says which in its log.
        self.display = poll("Xwayland's display in Weston's log", self._listening_display)
        poll("Weston's socket", lambda: os.path.exists(os.path.join(self.runtime, self.socket)))

    def _listening_display(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                match = _LISTENING.search(log.read())
        except FileNotFoundError:
            return None
        return match.group(1) if match else None
