"""A throw-away wine prefix on an X session with its own wine server, started and ended here by
process id. Its Windows processes outlive the server, so each is ended by id too, found by the
WINEPREFIX in its environment. wine hands a program no QT_... variable: give it as WINEQT_...."""

import os
import signal
import subprocess
import tempfile

TOOLS = {"wine": "wine", "wineserver": "wine", "wineboot": "wine"}


class WinePrefix:
    def __init__(self, session, extra_env=None):
        self.session, self.folder = session, tempfile.TemporaryDirectory(prefix="worthmere-wine-")
        self.path = self.folder.name
        # Nothing of the caller's wine or Qt set-up.
        self.env = {key: value for key, value in session.environment().items()
                    if not key.startswith(("WINE", "QT_"))}
        self.env.update(WINEPREFIX=self.path, WINEDEBUG="-all", **(extra_env or {}))

    def __enter__(self):
        self.server = self.session.start(["wineserver", "--foreground", "--persistent"],
                                         env=self.env, stderr=subprocess.DEVNULL)
        self.run(["wineboot", "--init"])
        return self

    def __exit__(self, *exc):
        marker = f"\0WINEPREFIX={self.path}\0".encode()
        for pid in (int(entry) for entry in os.listdir("/proc") if entry.isdigit()):
            try:
                with open(f"/proc/{pid}/environ", "rb") as environ:
                    if pid != self.server.pid and marker in b"\0" + environ.read():
                        os.kill(pid, signal.SIGKILL)
            except OSError:
                pass
        self.session.stop(self.server)
        self.folder.cleanup()

    # Output goes to a file, never a pipe: wine's services would inherit it and hold it open.
    def start(self, argv, log_path, **kwargs):
        with open(log_path, "wb") as log:
            return self.session.start(["wine", *argv], env=self.env, stdout=log, stderr=log,
                                      **kwargs)

    def run(self, argv, log_path=os.devnull):
        with open(log_path, "wb") as log:
            return subprocess.run(argv, env=self.env, stdin=subprocess.DEVNULL, stdout=log,
                                  stderr=log, timeout=180).returncode
