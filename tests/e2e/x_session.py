"""A throw-away X desktop: Xvfb with a window manager, and the processes started on it.

Every process is started here and ended here by its process id, also when a check fails or the
watchdog fires; each also dies with this driver (parent-death signal), so none can outlive a run
that is killed from outside.
"""

import ctypes
import os
import signal
import subprocess
import tempfile
import time

_PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)


def _die_with_parent():
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


class Timeout(Exception):
    pass


class RunTooLong(Exception):
    """The watchdog's verdict; not a Timeout, so no step that tolerates a slow answer can absorb it."""


def poll(what, probe, timeout=10.0, interval=0.02):
    """Calls probe until it returns a true value, which is returned; raises Timeout naming what."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Timeout(f"timed out waiting for {what}")
        time.sleep(interval)


class Watchdog:
    """Raises RunTooLong in the main thread after the given seconds, so cleanup still runs."""

    def __init__(self, seconds):
        self.seconds = seconds

    def __enter__(self):
        def fire(signum, frame):
            raise RunTooLong(f"the whole run took longer than {self.seconds} s")

        self.previous = signal.signal(signal.SIGALRM, fire)
        signal.alarm(self.seconds)
        return self

    def __exit__(self, *exc):
        signal.alarm(0)
        signal.signal(signal.SIGALRM, self.previous)
        return False


class XSession:
    """Xvfb plus openbox on a free display; a context manager that ends both on exit."""

    def __init__(self, width=1024, height=768, window_manager=("openbox", "--sm-disable")):
        self.size = (width, height)
        self.window_manager = window_manager
        self.processes = []
        self.home = tempfile.TemporaryDirectory(prefix="worthmere-x-")
        self.display = None

    def __enter__(self):
        try:
            self._start_server()
            if self.window_manager:
                self.start(list(self.window_manager), stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
                poll("the window manager", self._window_manager_ready)
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def environment(self, extra=None):
        """A clean environment for a client of this display: no other display, platform or browser."""
        env = {
            key: value
            for key, value in os.environ.items()
            if not key.startswith(("QT_", "DBUS_", "XDG_", "WAYLAND_"))
            and key not in ("DISPLAY", "BROWSER", "DEFAULT_BROWSER", "XAUTHORITY", "DESKTOP_SESSION")
        }
        runtime = os.path.join(self.home.name, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env.update(
            DISPLAY=self.display,
            # No session bus: without this a client may autolaunch a bus daemon that outlives us.
            DBUS_SESSION_BUS_ADDRESS="disabled:",
            QT_QPA_PLATFORM="xcb",
            XDG_RUNTIME_DIR=runtime,
            XDG_CONFIG_HOME=os.path.join(self.home.name, "config"),
            XDG_CACHE_HOME=os.path.join(self.home.name, "cache"),
        )
        env.update(extra or {})
        return env

    def start(self, argv, env=None, **kwargs):
        process = subprocess.Popen(
            argv,
            env=env or self.environment(),
            stdin=subprocess.DEVNULL,
            preexec_fn=_die_with_parent,
            **kwargs,
        )
        self.processes.append(process)
        return process

    def stop(self, process, grace=3.0):
        """Ends one process by its id: TERM, then KILL after the grace period."""
        if process.poll() is None:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(grace)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        if process in self.processes:
            self.processes.remove(process)

    def close(self):
        # Clients first, the server last, so no client sees its display vanish mid-request.
        for process in reversed(list(self.processes)):
            self.stop(process)
        self.home.cleanup()

    def run(self, argv, timeout=10.0, check=True, raw=False):
        """Runs a short X tool on this display and returns its standard output (text or bytes)."""
        result = subprocess.run(
            argv,
            env=self.environment(),
            stdin=subprocess.DEVNULL,
            capture_output=True,
            timeout=timeout,
            preexec_fn=_die_with_parent,
        )
        if check and result.returncode != 0:
            raise RuntimeError(f"{argv} failed ({result.returncode}): {result.stderr!r}")
        return result.stdout if raw else result.stdout.decode("utf-8", "replace")

    def _start_server(self):
        read_end, write_end = os.pipe()
        try:
            width, height = self.size
            self.start(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
                 "-nolisten", "tcp", "-noreset"],
                env={"PATH": os.environ.get("PATH", "/usr/bin:/bin")},
                pass_fds=(write_end,),
                stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL,
            )
            os.close(write_end)
            write_end = None
            number = b""
            with os.fdopen(read_end, "rb") as pipe:
                read_end = None
                number = pipe.readline().strip()
            if not number:
                raise RuntimeError("Xvfb did not report its display number")
            self.display = ":" + number.decode()
        finally:
            for fd in (read_end, write_end):
                if fd is not None:
                    os.close(fd)

    def _window_manager_ready(self):
        output = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
        return "window id" in output


def run_checks(run, args, checks):
    """Runs a driver's checks; a run cut short by a timeout or a failed process is one more failed
    check. Returns the exit status."""
    try:
        run(args, checks)
    except (RunTooLong, Timeout, RuntimeError, subprocess.SubprocessError) as error:
        checks.expect("the run goes through to its end", str(error), None)
    return checks.summary()
