#!/usr/bin/env python3
"""The Windows ZIP as a user gets it: made by CPack from this build tree, its files listed, then
unpacked under drive C: of a fresh wine prefix that reaches nothing else (no Z: drive, which is the
Linux root; no WINEPATH, no Qt variable) and started on an X desktop. It passes only when the main
window appears: a missing DLL or plugin shows a dialog and keeps the process alive."""

import argparse
import os
import re
import subprocess
import sys
import tempfile
import zipfile

import tools
from checks import Checks
from desktop_test import MAIN_TITLE
import x_queries as xq
from wine_prefix import TOOLS as WINE_TOOLS, WinePrefix
from x_session import Timeout, Watchdog, XSession, poll, run_checks

TOOLS = dict(WINE_TOOLS, Xvfb="xvfb", openbox="openbox", xprop="x11-utils",
             **{"x86_64-w64-mingw32-windres": "binutils-mingw-w64-x86-64"})
# The compiler's runtime is linked in, so none of its DLLs is here; the window loads no image
# file, so no image-format plugin is either.
PROGRAM_FILES = {"bin/worthmere.exe", "bin/qt.conf", "bin/Qt6Core.dll", "bin/Qt6Gui.dll",
                 "bin/Qt6Widgets.dll", "plugins/platforms/qwindows.dll",
                 "plugins/styles/qwindowsvistastyle.dll", "licenses/Worthmere.txt"}
QT_LICENSES = "licenses/Qt/"


def check_files(checks, names):
    files = {name.split("/", 1)[1] for name in names if not name.endswith("/")}
    checks.expect("the program, its Qt and its licence texts, nothing else",
                  {name for name in files if not name.startswith(QT_LICENSES)}, PROGRAM_FILES)
    texts = {name[len(QT_LICENSES):] for name in files if name.startswith(QT_LICENSES)}
    # scripts/windows_qt.sh checks that Qt's folder holds every text; this, that all of it ships.
    checks.expect("Qt's licence texts, and those of the code built into it",
                  {"LGPL-3.0-only.txt", "3rdparty/zlib/qt_attribution.json"} <= texts, True)


def check_icon(checks, program, icon_sizes):
    resources = subprocess.run(["x86_64-w64-mingw32-windres", "-i", program, "-O", "rc"],
                               capture_output=True, text=True, check=True, timeout=60).stdout
    group = re.search(r"RT_GROUP_ICON.*?Has (\d+) elements", resources, re.DOTALL)
    checks.expect("the program's icon, one image a size", group and int(group.group(1)),
                  len(icon_sizes))


def check_starts_alone(checks, top):
    with Watchdog(180), XSession() as session, WinePrefix(session) as prefix:
        os.rename(top, os.path.join(prefix.path, "drive_c", "Worthmere"))
        os.remove(os.path.join(prefix.path, "dosdevices", "z:"))
        program = prefix.start(["C:\\Worthmere\\bin\\worthmere.exe"],
                               os.path.join(prefix.path, "program.log"))
        titles = lambda: [xq.title(session, window) for window in xq.client_list(session)]
        try:
            poll("the main window", lambda: MAIN_TITLE in titles(), timeout=60)
        except Timeout:
            pass
        checks.expect("the windows on the display: the program's own", titles(), [MAIN_TITLE])
        checks.expect("still running with its window", program.poll(), None)


def run(args, checks):
    with tempfile.TemporaryDirectory(prefix="worthmere-zip-") as folder:
        # To a file, not a pipe, which the wine services that windeployqt starts would hold.
        with open(os.path.join(folder, "cpack.log"), "w+", encoding="utf-8") as log:
            cpack = subprocess.run(["cpack", "--config", f"{args.build_dir}/CPackConfig.cmake",
                                    "-G", "ZIP", "-B", folder], cwd=args.build_dir,
                                   stdin=subprocess.DEVNULL, stdout=log, stderr=log, timeout=600)
            log.seek(0)
            if cpack.returncode != 0:
                raise RuntimeError(f"cpack failed: {log.read()}")
        package = next(name for name in os.listdir(folder) if name.endswith(".zip"))
        with zipfile.ZipFile(os.path.join(folder, package)) as archive:
            check_files(checks, archive.namelist())
            archive.extractall(os.path.join(folder, "unpacked"))
        top = os.path.join(folder, "unpacked", package[:-len(".zip")])
        check_icon(checks, os.path.join(top, "bin", "worthmere.exe"), args.icon_sizes)
        check_starts_alone(checks, top)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--icon-sizes", nargs="+", type=int, required=True)
    args = parser.parse_args()
    tools.require(TOOLS)
    return run_checks(run, args, Checks())


if __name__ == "__main__":
    sys.exit(main())
