#!/usr/bin/env python3
"""Worthmere for Windows under wine on a real X desktop, through Qt's own windows platform.

Starts Xvfb and openbox, a fresh wine prefix, and the Windows program with a stand-in browser
first on PATH (wine hands web addresses to the first browser it finds there), then checks what a
Windows user sees: the title, the client size, staying on top, the worked example typed and
estimated, the bargain report on the clipboard as an X program reads it, the keypad, Help / reset
and a look-up. Message boxes are read through Ctrl+C, which on Windows copies a box's title and
text. Last, the layout's fit test runs on the windows platform, where the native font engine
measures.
"""

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

TOOLS = dict(linux.TOOLS, **WINE_TOOLS)

point = linux.panel_point
CLEAR_BUTTON = point(190, 158, 109, 35)
HELP_BUTTON = point(32, 158, 149, 35)
GROWTH_BOX = point(192, 42, 45, 21)
DISCOUNT_BOX = point(192, 66, 45, 21)
FREE_CASH_FLOW_BOX = point(190, 100, 87, 21)
SHARES_BOX = point(190, 130, 87, 21)
VALUE_BOX = point(192, 268, 83, 21)
KEYS = {"7": point(350, 69, 32, 32), "/": point(516, 149, 32, 32), "0": point(350, 189, 72, 32),
        "=": point(476, 189, 32, 32)}

FIT_TEST = "LayoutTest.EveryTextFitsItsControl"
# wine's own Tahoma, metric-compatible with the one Windows users have. wine's DirectWrite, which
# Qt asks, lists it only from the prefix's Fonts folder; without it every face falls back to a
# Linux font.
WINE_TAHOMA = ("/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf")


def clipboard(session):
    return session.run(["xclip", "-selection", "clipboard", "-o"], check=False)


def copied_box_text(session):
    """Ctrl+C in the open box; its text, the part between the second and third separator line."""
    xq.press_keys(session, "ctrl+c")
    parts = poll("the box's text on the clipboard",
                 lambda: [part.strip() for part in clipboard(session).split("-" * 27)][2:3])
    return parts[0].replace("\r\n", "\n")


def type_into(session, window, box, text):
    xq.click(session, window, *box)
    xq.press_keys(session, "ctrl+a")
    xq.type_text(session, text)


def check_worked_example(session, checks, window):
    xq.click(session, window, *CLEAR_BUTTON)
    for box, text in ((GROWTH_BOX, worked_example.GROWTH),
                      (DISCOUNT_BOX, worked_example.DISCOUNT),
                      (FREE_CASH_FLOW_BOX, worked_example.FREE_CASH_FLOW),
                      (SHARES_BOX, worked_example.SHARES)):
        type_into(session, window, box, text)
    # wine hands a Windows program's text to X with its CR LF line breaks as LF.
    report = worked_example.REPORT_AT_PRICE.replace("\r\n", "\n")
    linux.check_bargain_report(session, checks, window, report)
    xq.click(session, window, *VALUE_BOX)
    xq.press_keys(session, "ctrl+a", "ctrl+c")
    value = poll("the value on the clipboard", lambda: (lambda text: text != report and text)(
        clipboard(session)))
    checks.expect("value per share", value, worked_example.VALUE_PER_SHARE)


def check_keypad(session, checks, window):
    for key in "7/0=":
        xq.click(session, window, *KEYS[key])
    box = linux.opened_box(session, window)
    checks.expect("keypad box title", xq.title(session, box), "Calculator")
    checks.expect("7 / 0 = says", copied_box_text(session), "Can't divide by zero")
    xq.press_keys(session, "Return")
    linux.gone(session, box)


def check_help(session, checks, window, record, book_store):
    xq.click(session, window, *HELP_BUTTON)
    box = linux.opened_box(session, window)
    checks.expect("Help / reset box title", xq.title(session, box), "Worthmere")
    checks.expect("Help / reset's first message, first line",
                  copied_box_text(session).split("\n")[0],
                  "Use this software to estimate the intrinsic value per share of a company's "
                  "stock.")
    for _ in range(4):
        xq.press_keys(session, "Return")
        linux.gone(session, box)
        box = xq.active_window(session)
        if box == window:
            break
    checks.expect("Help / reset showed four boxes and came back", box, window)
    received = poll("the browser stand-in's record", lambda: _read(record))
    checks.expect("address the browser receives after Help", received, book_store + "\n")
    os.remove(record)


def _read(path):
    if os.path.exists(path):
        with open(path, encoding="utf-8") as file:
            return file.read()
    return None


def check_fit_on_windows_platform(prefix, checks, window_tests, log_dir):
    log = os.path.join(log_dir, "fit.log")
    prefix.env["WINEQT_QPA_PLATFORM"] = "windows"
    status = prefix.run(["wine", window_tests, f"--gtest_filter={FIT_TEST}"], log_path=log)
    with open(log, encoding="utf-8", errors="replace") as file:
        output = file.read()
    if status != 0:
        print(output, flush=True)
    checks.expect(f"{FIT_TEST} on the windows platform", (status, f"[       OK ] {FIT_TEST}" in output),
                  (0, True))


def run(args, checks):
    with tempfile.TemporaryDirectory(prefix="worthmere-browser-") as browser_dir, \
            Watchdog(args.timeout), XSession() as session:
        stand_in = os.path.join(browser_dir, "xdg-open")
        with open(stand_in, "w", encoding="utf-8") as file:
            file.write(linux.BROWSER_STAND_IN)
        os.chmod(stand_in, 0o755)
        path = browser_dir + os.pathsep + os.environ["PATH"]
        with WinePrefix(session, {"PATH": path, "WINEPATH": args.wine_path}) as prefix:
            for font in WINE_TAHOMA:
                shutil.copy(font, os.path.join(prefix.path, "drive_c", "windows", "Fonts"))
            program = prefix.start([args.program], os.path.join(browser_dir, "program.log"))
            window = poll("the main window", lambda: next(iter(xq.windows_of(session, program.pid)),
                                                          None), timeout=60)
            poll("the main window to be viewable", lambda: (xq.geometry(session, window) or [0] * 5)[4])
            checks.expect("title as the window manager sees it", xq.title(session, window),
                          linux.MAIN_TITLE)
            checks.expect("client size", xq.geometry(session, window)[2:4], linux.CLIENT_SIZE)
            linux.check_stays_on_top(session, checks, window)
            check_worked_example(session, checks, window)
            check_keypad(session, checks, window)
            check_help(session, checks, window, stand_in + ".record", args.book_store)
            linux.check_lookup_address(session, checks, window, args.lookup_host,
                                       stand_in + ".record")
            linux.check_close_ends_program(session, checks, window, program)
            if args.window_tests:
                check_fit_on_windows_platform(prefix, checks, args.window_tests, browser_dir)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="worthmere.exe")
    parser.add_argument("--wine-path", required=True,
                        help="WINEPATH for the program: the folder of the Qt DLLs")
    parser.add_argument("--lookup-host", required=True)
    parser.add_argument("--book-store", required=True, help="the address Help / reset opens")
    parser.add_argument("--window-tests", help="window_tests.exe, for the fit test")
    parser.add_argument("--timeout", type=int, default=240)
    args = parser.parse_args()
    tools.require(TOOLS)
    if not all(os.path.exists(font) for font in WINE_TAHOMA):
        print("SKIP: wine's Tahoma is not installed (package fonts-wine)", flush=True)
        sys.exit(tools.SKIP)
    return run_checks(run, args, Checks())


if __name__ == "__main__":
    sys.exit(main())
