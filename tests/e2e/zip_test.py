#!/usr/bin/env python3
"""The Windows ZIP as a user gets it: built by CPack from this build tree, its files listed against
what it must hold, unpacked under drive C: of a fresh wine prefix that reaches nothing else (its
Z: drive, the Linux root, removed; no WINEPATH, no Qt variable), and started there on an X
desktop. It passes only when the main window with its title appears: a missing DLL or plugin
shows a dialog and keeps the process alive.
"""

import argparse
import glob
import os
import re
import subprocess
import sys
import tempfile
import zipfile

import tools
from checks import Checks
import x_queries as xq
from wine_prefix import TOOLS as WINE_TOOLS, WinePrefix
from x_session import Timeout, Watchdog, XSession, poll, run_checks

TOOLS = dict(WINE_TOOLS, **{"Xvfb": "xvfb", "openbox": "openbox", "xprop": "x11-utils",
                            "x86_64-w64-mingw32-windres": "binutils-mingw-w64-x86-64"})
MAIN_TITLE = "Worthmere and Calculator"
# The compiler's runtime is linked in, so none of its DLLs is here; the window loads no image
# file, so no image-format plugin either.
PROGRAM_FILES = {
    "bin/worthmere.exe",
    "bin/qt.conf",
    "bin/Qt6Core.dll",
    "bin/Qt6Gui.dll",
    "bin/Qt6Widgets.dll",
    "plugins/platforms/qwindows.dll",
    "plugins/styles/qwindowsvistastyle.dll",
    "licenses/Worthmere.txt",
}
QT_LICENSES = "licenses/Qt/"
# The third-party code built into the Qt DLLs, each with its attribution and licence text.
THIRD_PARTY = ("zlib", "libpng", "freetype", "harfbuzz-ng", "pcre2", "double-conversion")


def build_zip(build_dir, out_dir):
    with open(os.path.join(out_dir, "cpack.log"), "wb") as log:
        status = subprocess.run(["cpack", "--config", os.path.join(build_dir, "CPackConfig.cmake"),
                                 "-G", "ZIP", "-B", out_dir], cwd=build_dir, stdout=log,
                                stderr=log, stdin=subprocess.DEVNULL, timeout=600).returncode
    packages = glob.glob(os.path.join(out_dir, "*.zip"))
    if status != 0 or len(packages) != 1:
        with open(os.path.join(out_dir, "cpack.log"), encoding="utf-8", errors="replace") as log:
            print(log.read(), flush=True)
        raise RuntimeError(f"CPack ended with {status} and made {packages}, not one ZIP")
    return packages[0]


def check_files(checks, names):
    top = {name.split("/", 1)[0] for name in names}
    checks.expect("one top folder", len(top), 1)
    files = {name.split("/", 1)[1] for name in names if not name.endswith("/")}
    checks.expect("the program, its Qt and its licence texts, nothing else",
                  {name for name in files if not name.startswith(QT_LICENSES)}, PROGRAM_FILES)
    licenses = {name[len(QT_LICENSES):] for name in files if name.startswith(QT_LICENSES)}
    checks.expect("Qt's licence texts", {"LGPL-3.0-only.txt", "GPL-3.0-only.txt"} - licenses, set())
    checks.expect("each third-party library's attribution and licence",
                  [library for library in THIRD_PARTY
                   if len({name for name in licenses
                           if name.startswith(f"3rdparty/{library}/")}) < 2], [])


def check_icon(checks, program, icon_sizes):
    resources = subprocess.run(["x86_64-w64-mingw32-windres", "-i", program, "-O", "rc"],
                               capture_output=True, text=True, check=True, timeout=60).stdout
    group = re.search(r"RT_GROUP_ICON.*?Has (\d+) elements", resources, re.DOTALL)
    checks.expect("the program's icon, one image a size", group and int(group.group(1)),
                  len(icon_sizes))


def check_starts_alone(checks, package):
    with Watchdog(180), XSession() as session, WinePrefix(session) as prefix:
        drive_c = os.path.join(prefix.path, "drive_c")
        with zipfile.ZipFile(package) as archive:
            archive.extractall(drive_c)
            top = archive.namelist()[0].split("/", 1)[0]
        os.remove(os.path.join(prefix.path, "dosdevices", "z:"))
        program = prefix.start([f"C:\\{top}\\bin\\worthmere.exe"],
                               os.path.join(prefix.path, "program.log"))
        titles = lambda: [xq.title(session, window) for window in xq.client_list(session)]
        try:
            poll("the main window", lambda: MAIN_TITLE in titles(), timeout=60)
        except Timeout:
            pass
        checks.expect("the windows on the display: the program's own", titles(), [MAIN_TITLE])
        checks.expect("still running with its window", program.poll(), None)


def run(args, checks):
    with tempfile.TemporaryDirectory(prefix="worthmere-zip-") as out_dir:
        package = build_zip(args.build_dir, out_dir)
        with zipfile.ZipFile(package) as archive:
            names = archive.namelist()
            check_files(checks, names)
            top = names[0].split("/", 1)[0]
            archive.extract(f"{top}/bin/worthmere.exe", out_dir)
        check_icon(checks, os.path.join(out_dir, top, "bin", "worthmere.exe"), args.icon_sizes)
        check_starts_alone(checks, package)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--icon-sizes", nargs="+", type=int, required=True)
    args = parser.parse_args()
    tools.require(TOOLS)
    return run_checks(run, args, Checks())


if __name__ == "__main__":
    sys.exit(main())
