#!/usr/bin/env python3
"""Worthmere for Windows under wine on an X desktop, on Qt's own windows platform, checked as the
Linux desktop test checks it, plus the keypad and Help / reset (message boxes read by Ctrl+C, which
on Windows copies their text); then the layout's fit test on that platform's font engine."""

import argparse
import os
import shutil
import sys
import tempfile

import desktop_test as linux
import tools
import worked_example
from checks import Checks
import x_queries as xq
from wine_prefix import TOOLS as WINE_TOOLS, WinePrefix
from x_session import Watchdog, XSession, poll, run_checks

point = linux.panel_point
CLEAR, HELP = point(190, 158, 109, 35), point(32, 158, 149, 35)
VALUE_BOX = point(192, 268, 83, 21)
INPUT_BOXES = {point(192, 42, 45, 21): worked_example.GROWTH,
               point(192, 66, 45, 21): worked_example.DISCOUNT,
               point(190, 100, 87, 21): worked_example.FREE_CASH_FLOW,
               point(190, 130, 87, 21): worked_example.SHARES}
SEVEN, DIVIDE = point(350, 69, 32, 32), point(516, 149, 32, 32)
ZERO, EQUALS = point(350, 189, 72, 32), point(476, 189, 32, 32)
FIT_TEST = "LayoutTest.EveryTextFitsItsControl"
# wine's own Tahoma, metric-compatible with the one Windows users have; wine's DirectWrite, which
# Qt asks, lists it only from the prefix's Fonts folder, and without it every face is a Linux one.
WINE_TAHOMA = ("/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf")


def clipboard(session):
    return session.run(["xclip", "-selection", "clipboard", "-o"], check=False)


def copied(session, keys, unlike=None):
    """The clipboard after the keys, once it holds something new; wine hands it to X with LF."""
    xq.press_keys(session, *keys)
    return poll("the copy", lambda: (lambda text: text != unlike and text)(clipboard(session)))


def check_worked_example(session, checks, window):
    xq.click(session, window, *CLEAR)
    for box, text in INPUT_BOXES.items():
        xq.click(session, window, *box)
        xq.press_keys(session, "ctrl+a")
        xq.type_text(session, text)
    report = worked_example.REPORT_AT_PRICE.replace("\r\n", "\n")
    linux.check_bargain_report(session, checks, window, report)
    xq.click(session, window, *VALUE_BOX)
    checks.expect("value per share", copied(session, ["ctrl+a", "ctrl+c"], report),
                  worked_example.VALUE_PER_SHARE)


def check_box(session, checks, window, name, title, text=None):
    """The box just opened: its title, and how its text begins (Ctrl+C copies the title, the text
    and the buttons between lines of dashes)."""
    box = linux.opened_box(session, window)
    checks.expect(f"{name}: box title", xq.title(session, box), title)
    if text:
        shown = copied(session, ["ctrl+c"], clipboard(session)).split("-" * 27 + "\n")
        checks.expect(f"{name}: box text", shown[2][:len(text)] if len(shown) > 2 else shown, text)
    xq.press_keys(session, "Return")
    linux.gone(session, box)


def check_keypad_and_help(session, checks, window, record, book_store):
    for key in (SEVEN, DIVIDE, ZERO, EQUALS):
        xq.click(session, window, *key)
    check_box(session, checks, window, "7 / 0 =", "Calculator", "Can't divide by zero")
    xq.click(session, window, *HELP)
    check_box(session, checks, window, "Help / reset's first", "Worthmere",
              "Use this software to estimate the intrinsic value per share of a company's stock.")
    for step in range(2, 5):
        check_box(session, checks, window, f"Help / reset's box {step}", "Worthmere")
    checks.expect("address the browser receives after Help", linux.browser_record(record),
                  book_store + "\n")
    os.remove(record)


def run_in(folder, args, checks):
    # wine hands an address to the first browser it finds on PATH: here the stand-in.
    env = {"PATH": folder + os.pathsep + os.environ["PATH"], "WINEPATH": args.wine_path}
    with Watchdog(240), XSession() as session, WinePrefix(session, env) as prefix:
        record = linux.write_browser_stand_in(folder) + ".record"
        for font in WINE_TAHOMA:
            shutil.copy(font, os.path.join(prefix.path, "drive_c", "windows", "Fonts"))
        program = prefix.start([args.program], os.path.join(folder, "program.log"))
        window = poll("the main window", lambda: next(iter(xq.windows_of(session, program.pid)),
                                                      None), timeout=60)
        poll("the main window to be viewable", lambda: (xq.geometry(session, window) or [0] * 5)[4])
        checks.expect("title", xq.title(session, window), linux.MAIN_TITLE)
        checks.expect("client size", xq.geometry(session, window)[2:4], linux.CLIENT_SIZE)
        linux.check_stays_on_top(session, checks, window)
        check_worked_example(session, checks, window)
        check_keypad_and_help(session, checks, window, record, args.book_store)
        linux.check_lookup_address(session, checks, window, args.lookup_host, record)
        linux.check_close_ends_program(session, checks, window, program)
        prefix.env["WINEQT_QPA_PLATFORM"] = "windows"
        log = os.path.join(folder, "fit.log")
        status = prefix.run(["wine", args.window_tests, f"--gtest_filter={FIT_TEST}"], log)
        with open(log, encoding="utf-8", errors="replace") as file:
            output = file.read()
        if not checks.expect(f"{FIT_TEST} on the windows platform",
                             (status, "[  PASSED  ] 1 test." in output), (0, True)):
            print(output, flush=True)


def run(args, checks):
    with tempfile.TemporaryDirectory(prefix="worthmere-browser-") as folder:
        run_in(folder, args, checks)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for option in ("--program", "--wine-path", "--lookup-host", "--book-store", "--window-tests"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()
    tools.require(dict(linux.TOOLS, **WINE_TOOLS))
    if not all(map(os.path.exists, WINE_TAHOMA)):
        print("SKIP: wine's Tahoma is not installed (package fonts-wine)", flush=True)
        sys.exit(tools.SKIP)
    return run_checks(run, args, Checks())


if __name__ == "__main__":
    sys.exit(main())
