"""A throw-away wine prefix on an X session, with its own wine server.

The server is started and ended here by its process id. The Windows processes of the prefix do
not end with their server, so at the end every process that runs in the prefix (found by the
WINEPREFIX in its environment) is ended by its id too. wine hands a Windows program no variable
whose name begins with QT_: give each as WINEQT_... instead.
"""

import os
import signal
import subprocess
import tempfile

TOOLS = {"wine": "wine", "wineserver": "wine", "wineboot": "wine"}


class WinePrefix:
    def __init__(self, session, extra_env=None):
        self.session = session
        self.folder = tempfile.TemporaryDirectory(prefix="worthmere-wine-")
        self.path = self.folder.name
        # Nothing of the caller's wine or Qt set-up (its prefix, its search path, its platform).
        self.env = {key: value for key, value in session.environment().items()
                    if not key.startswith(("WINE", "QT_"))}
        self.env.update(WINEPREFIX=self.path, WINEDEBUG="-all", **(extra_env or {}))
        self.server = None

    def __enter__(self):
        try:
            self.server = self.session.start(["wineserver", "--foreground", "--persistent"],
                                             env=self.env, stdout=subprocess.DEVNULL,
                                             stderr=subprocess.DEVNULL)
            self.run(["wineboot", "--init"], timeout=180)
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def start(self, argv, log_path):
        """Starts a Windows program; its output goes to a file, never to a pipe, which wine's
        services would inherit and hold open."""
        with open(log_path, "wb") as log:
            return self.session.start(["wine", *argv], env=self.env, stdout=log, stderr=log)

    def run(self, argv, timeout=120, log_path=os.devnull):
        with open(log_path, "wb") as log:
            return subprocess.run(argv, env=self.env, stdin=subprocess.DEVNULL, stdout=log,
                                  stderr=log, timeout=timeout).returncode

    def close(self):
        for process in list(self.session.processes):
            if process is not self.server and process.args[:1] == ["wine"]:
                self.session.stop(process)
        for pid in self._processes_in_prefix():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        if self.server:
            self.session.stop(self.server)
        self.folder.cleanup()

    def _processes_in_prefix(self):
        marker = f"WINEPREFIX={self.path}".encode() + b"\0"
        own = {self.server.pid} if self.server else set()
        found = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit() or int(entry) in own:
                continue
            try:
                with open(f"/proc/{entry}/environ", "rb") as environ:
                    if marker in environ.read() + b"\0":
                        found.append(int(entry))
            except OSError:
                pass
        return found
