#!/usr/bin/env python3
"""Worthmere in a Wayland session: an X client through Xwayland, where its window can stay on top.

Starts Weston's headless compositor with Xwayland and runs the real program in it with client
environments built from scratch: with an X display it must show its window there (title and
class); with none, or one where nothing answers, it must run as a Wayland client; and when the
user asks for Wayland, it must do as asked. Weston's own X window manager knows no above state,
so staying on top is the X desktop test's to check.
A skip when Weston, Xwayland, the X tools or the Qt Wayland plugin are missing.
"""

import argparse
import os
import subprocess
import sys
import time

from checks import Checks
import tools
import x_queries as xq
from weston_session import WestonSession
from x_session import Timeout, Watchdog, poll, run_checks

MAIN_TITLE = "Worthmere and Calculator"
WAYLAND_TITLE = 'set_title("Worthmere and Calculator")'
WAYLAND_LIFE = 3.0


TOOLS = {"weston": "weston", "Xwayland": "xwayland", "xprop": "x11-utils", "xdotool": "xdotool"}


def require_tools(args):
    """Skips, naming what is missing, without Weston, Xwayland, the X tools or the Qt Wayland
    platform plugin."""
    tools.require(TOOLS)
    if not os.path.exists(os.path.join(args.qt_platform_plugins, "libqwayland-generic.so")):
        print("SKIP: the Qt Wayland platform plugin is not installed (package qt6-wayland)",
              flush=True)
        sys.exit(tools.SKIP)


def x_windows_of(session, pid):
    """The program's windows on the X display, found by process id (Weston keeps no client list)."""
    output = session.run(["xdotool", "search", "--pid", str(pid)], check=False)
    return [int(line) for line in output.split()]


def main_x_window(session, pid):
    return next((window for window in x_windows_of(session, pid)
                 if xq.title(session, window) == MAIN_TITLE), None)


def free_display():
    """An X display number where nothing answers."""
    number = 90
    while (os.path.exists(f"/tmp/.X11-unix/X{number}") or os.path.exists(f"/tmp/.X{number}-lock")):
        number += 1
    return f":{number}"


def check_x_client(session, checks, program, name, env):
    process = session.start([program], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    try:
        window = poll(f"{name}: the window on the Xwayland display",
                      lambda: main_x_window(session, process.pid), timeout=20)
        checks.expect(f"{name}: window titled {MAIN_TITLE!r} on the Xwayland display", True, True)
        checks.expect(f"{name}: WM_CLASS", xq.wm_class(session, window),
                      ["worthmere", "Worthmere"])
    except Timeout as error:
        checks.expect(f"{name}: window on the Xwayland display", str(error), None)
    finally:
        session.stop(process)


def check_wayland_client(session, checks, program, name, env):
    protocol_log = os.path.join(session.home.name, name.replace(" ", "-") + ".wayland")
    with open(protocol_log, "wb") as log:
        process = session.start([program], env=dict(env, WAYLAND_DEBUG="1"),
                                stdout=subprocess.DEVNULL, stderr=log)
    try:
        time.sleep(WAYLAND_LIFE)
        checks.expect(f"{name}: still running after {WAYLAND_LIFE:g} s", process.poll(), None)
        with open(protocol_log, encoding="utf-8", errors="replace") as log:
            protocol = log.read()
        checks.expect(f"{name}: a Wayland client that sets the title", WAYLAND_TITLE in protocol,
                      True)
        checks.expect(f"{name}: no window on the X display", x_windows_of(session, process.pid), [])
    finally:
        session.stop(process)


def run(args, checks):
    with Watchdog(args.timeout), WestonSession() as session:
        wayland = {"WAYLAND_DISPLAY": session.socket}
        x_display = {"DISPLAY": session.display}
        session_type = {"XDG_SESSION_TYPE": "wayland"}
        env = session.client_environment
        check_x_client(session, checks, args.program, "Wayland session",
                       env(**wayland, **x_display, **session_type))
        check_x_client(session, checks, args.program, "no session type",
                       env(**wayland, **x_display))
        check_wayland_client(session, checks, args.program, "no X display",
                             env(**wayland, **session_type))
        check_wayland_client(session, checks, args.program, "dead X display",
                             env(**wayland, **session_type, DISPLAY=free_display()))
        check_wayland_client(session, checks, args.program, "Wayland chosen",
                             env(**wayland, **x_display, **session_type, QT_QPA_PLATFORM="wayland"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--qt-platform-plugins", required=True,
                        help="the folder of the Qt platform plugins")
    parser.add_argument("--timeout", type=int, default=100)
    args = parser.parse_args()
    require_tools(args)
    return run_checks(run, args, Checks())


if __name__ == "__main__":
    sys.exit(main())
