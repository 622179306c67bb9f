#!/usr/bin/env python3
"""Worthmere on a real X desktop, driven as a user drives it: pointer clicks and typed keys.

Starts Xvfb and openbox, starts the real program with a stand-in browser first on PATH, and checks
what only a real desktop shows: titles as the window manager sees them, the client size, the icon,
the always-on-top state at start and after C, the bargain report on the real clipboard as another
program reads it, and the address handed to the browser.
"""

import argparse
import os
import subprocess
import sys
import tempfile

import png_pixels
import tools
import worked_example
from checks import Checks
import x_queries as xq
from x_session import Timeout, Watchdog, XSession, poll, run_checks

TOOLS = {"Xvfb": "xvfb", "openbox": "openbox", "xprop": "x11-utils", "xwininfo": "x11-utils",
         "xmessage": "x11-utils", "xdotool": "xdotool", "xclip": "xclip", "wmctrl": "wmctrl"}

MAIN_TITLE = "Worthmere and Calculator"
CLIENT_SIZE = (571, 338)
ABOVE = "_NET_WM_STATE_ABOVE"


def panel_point(left, top, width, height):
    """The centre of a control placed in pixels on the panel, which sits at (-2, 0) in the window."""
    return left - 2 + width // 2, top + height // 2


ESTIMATE_BUTTON = panel_point(32, 202, 267, 49)
CANCEL_KEY = panel_point(476, 69, 32, 32)
RATIOS_BUTTON = panel_point(280, 130, 19, 19)

BROWSER_STAND_IN = """#!/bin/sh
# Records the arguments it was started with, one a line, the way a browser would receive them.
printf '%s\\n' "$@" > "$0.record.part" && mv "$0.record.part" "$0.record"
"""


def write_browser_stand_in(folder):
    stand_in = os.path.join(folder, "xdg-open")
    with open(stand_in, "w", encoding="utf-8") as file:
        file.write(BROWSER_STAND_IN)
    os.chmod(stand_in, 0o755)
    return stand_in


def opened_box(session, *not_these):
    """The window that became active after an action, other than the ones named (a box the
    program just opened)."""

    def probe():
        window = xq.active_window(session)
        return window if window and window not in not_these and xq.title(session, window) else None

    return poll("a box to open and take the focus", probe)


def gone(session, window):
    poll("the box to close", lambda: window not in xq.client_list(session))


def check_window(session, checks, window, args):
    checks.expect("title as the window manager sees it", xq.title(session, window), MAIN_TITLE)
    _, _, width, height, viewable = xq.geometry(session, window)
    checks.expect("client size", (width, height), CLIENT_SIZE)
    checks.expect("viewable", viewable, True)
    window_class = xq.wm_class(session, window)
    checks.expect("WM_CLASS", window_class, ["worthmere", "Worthmere"])
    if args.desktop_file:
        with open(args.desktop_file, encoding="utf-8") as entry:
            keys = dict(line.rstrip("\n").split("=", 1) for line in entry if "=" in line)
        checks.expect("StartupWMClass names the window class", keys.get("StartupWMClass"),
                      window_class[-1] if window_class else None)
    if args.icon_png:
        width, height, pixels = png_pixels.read_argb(args.icon_png)
        opaque = [pixel if pixel >> 24 else 0 for pixel in pixels]
        shown = [(w, h, [pixel if pixel >> 24 else 0 for pixel in argb])
                 for w, h, argb in xq.icons(session, window)]
        checks.expect("_NET_WM_ICON is the installed 16 x 16 icon", shown, [(width, height, opaque)])


def check_stays_on_top(session, checks, window):
    checks.expect("always on top after start", ABOVE in xq.net_wm_state(session, window), True)
    other = session.start(["xmessage", "-center", "another program"], stderr=subprocess.DEVNULL)
    other_window = poll("the other program's window", lambda: _by_title(session, "xmessage"))
    poll("the other program to become active", lambda: xq.active_window(session) == other_window)
    order = xq.stacking_order(session)
    checks.expect("stays above the active window of another program",
                  order.index(window) > order.index(other_window), True)
    session.stop(other)


def _by_title(session, wanted):
    for window in xq.client_list(session):
        if xq.legacy_title(session, window) == wanted:
            return window
    return None


def check_cancel_key_reasserts_on_top(session, checks, window):
    session.run(["xdotool", "windowmove", "--sync", str(window), "120", "90"])
    # The user takes the window out of the always-on-top band through the window manager.
    session.run(["wmctrl", "-i", "-r", hex(window), "-b", "remove,above"])
    poll("the window manager to drop the state", lambda: ABOVE not in xq.net_wm_state(session, window))
    before = xq.geometry(session, window)
    xq.click(session, window, *CANCEL_KEY)
    try:
        poll("the state after C", lambda: ABOVE in xq.net_wm_state(session, window), timeout=3)
    except Timeout:
        pass
    checks.expect("always on top again after C", ABOVE in xq.net_wm_state(session, window), True)
    checks.expect("C leaves the window where it was", xq.geometry(session, window), before)


def check_bargain_report(session, checks, window, expected=worked_example.REPORT_AT_PRICE):
    xq.click(session, window, *ESTIMATE_BUTTON)
    prompt = opened_box(session, window)
    checks.expect("price prompt title", xq.title(session, prompt), "Bargain?")
    xq.type_text(session, worked_example.PRICE)
    xq.press_keys(session, "Return")
    report = opened_box(session, window, prompt)
    checks.expect("report box shows the application title", xq.title(session, report), "Worthmere")
    # Read while the report box is open: the program must be running to serve its clipboard.
    clipboard = session.run(["xclip", "-selection", "clipboard", "-o"], raw=True)
    checks.expect("bargain report on the clipboard, byte for byte", clipboard,
                  expected.encode("utf-8"))
    xq.press_keys(session, "Return")
    gone(session, report)


def browser_record(record):
    """What the browser stand-in received. It is started detached, so its record shows up some
    time after the click."""

    def recorded():
        if os.path.exists(record):
            with open(record, encoding="utf-8") as file:
                return file.read()
        return None

    return poll("the browser stand-in's record", recorded)


def check_lookup_address(session, checks, window, host, record):
    xq.click(session, window, *RATIOS_BUTTON)
    prompt = opened_box(session, window)
    checks.expect("ticker prompt title", xq.title(session, prompt), "data")
    xq.press_keys(session, "ctrl+a")
    xq.type_text(session, "abc")
    xq.press_keys(session, "Return")
    gone(session, prompt)

    received = browser_record(record)
    checks.expect("address the browser receives", received,
                  f"http://{host}/ratios/r.html?t=ABC&region=usa&culture=en-US\n")


def check_close_ends_program(session, checks, window, program):
    session.run(["wmctrl", "-i", "-c", hex(window)])
    try:
        code = program.wait(10)
    except Exception:
        code = None
    checks.expect("closing the window ends the program with status 0", code, 0)


def run(args, checks):
    with tempfile.TemporaryDirectory(prefix="worthmere-browser-") as browser_dir, \
            Watchdog(args.timeout), XSession() as session:
        stand_in = write_browser_stand_in(browser_dir)
        env = session.environment({"PATH": browser_dir + os.pathsep + os.environ["PATH"]})
        program = session.start([args.program], env=env)
        window = poll("the main window", lambda: next(iter(xq.windows_of(session, program.pid)),
                                                      None))
        poll("the main window to be viewable", lambda: (xq.geometry(session, window) or [0] * 5)[4])
        check_window(session, checks, window, args)
        check_stays_on_top(session, checks, window)
        check_cancel_key_reasserts_on_top(session, checks, window)
        check_bargain_report(session, checks, window)
        check_lookup_address(session, checks, window, args.lookup_host, stand_in + ".record")
        check_close_ends_program(session, checks, window, program)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--lookup-host", required=True)
    parser.add_argument("--icon-png", help="the installed 16 x 16 icon")
    parser.add_argument("--desktop-file", help="the .desktop entry")
    parser.add_argument("--timeout", type=int, default=90)
    args = parser.parse_args()
    tools.require(TOOLS)
    return run_checks(run, args, Checks())


if __name__ == "__main__":
    sys.exit(main())
