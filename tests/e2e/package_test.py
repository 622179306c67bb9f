#!/usr/bin/env python3
"""The Debian package as a user gets it: built by CPack from this build tree, its metadata and
content checked (lintian too, where it is installed), unpacked into a throw-away folder, and the
unpacked program started once on Qt's offscreen platform to prove it runs."""

import argparse
import glob
import os
import re
import signal
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ElementTree

import png_pixels
import tools
from checks import Checks

# CPack's package needs dpkg-shlibdeps and file; the checks need lintian and desktop-file-validate.
TOOLS = {"dpkg-shlibdeps": "dpkg-dev", "file": "file", "lintian": "lintian",
         "desktop-file-validate": "desktop-file-utils"}
FIXED_FILES = {
    "usr/bin/worthmere",
    "usr/share/applications/worthmere.desktop",
    "usr/share/icons/hicolor/scalable/apps/worthmere.svg",
    "usr/share/man/man1/worthmere.1.gz",
    "usr/share/doc/worthmere/copyright",
    "usr/share/doc/worthmere/changelog.gz",
}
# dpkg-shlibdeps finds the linked libraries; the fonts the window is laid out for it cannot.
REQUIRED_DEPENDENCIES = {"libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                         "fonts-liberation"}


def output_of(argv, **kwargs):
    return subprocess.run(argv, check=True, capture_output=True, text=True, timeout=300,
                          **kwargs).stdout


def build_package(build_dir, out_dir):
    output_of(["cpack", "--config", os.path.join(build_dir, "CPackConfig.cmake"), "-G", "DEB",
               "-B", out_dir], cwd=build_dir)
    packages = glob.glob(os.path.join(out_dir, "*.deb"))
    if len(packages) != 1:
        raise RuntimeError(f"CPack made {packages}, not one package")
    return packages[0]


def check_metadata(checks, package):
    field = lambda name: output_of(["dpkg-deb", "-f", package, name]).strip()
    checks.expect("package name", field("Package"), "worthmere")
    checks.expect("architecture is the build machine's", field("Architecture"),
                  output_of(["dpkg", "--print-architecture"]).strip())
    names = {re.split(r"[\s(]", item.strip())[0] for item in field("Depends").split(",")}
    checks.expect("dependencies include the libraries and fonts it needs",
                  REQUIRED_DEPENDENCIES - names, set())
    checks.expect("no development packages among the dependencies",
                  {name for name in names if name.endswith("-dev")}, set())


def check_content(checks, package, icon_sizes):
    listing = output_of(["dpkg-deb", "-c", package])
    files = {line.split()[-1].lstrip("./") for line in listing.splitlines()
             if not line.startswith("d")}
    icons = {f"usr/share/icons/hicolor/{size}x{size}/apps/worthmere.png" for size in icon_sizes}
    checks.expect("files in the package", files, FIXED_FILES | icons)
    checks.expect("everything owned by root", all(" root/root " in line for line in
                                                   listing.splitlines()), True)


def check_lintian(checks, package):
    result = subprocess.run(["lintian", "--fail-on", "error,warning", package],
                            capture_output=True, text=True, timeout=300)
    findings = [line for line in result.stdout.splitlines() if re.match(r"[EW]: ", line)]
    checks.expect("lintian finds no errors or warnings", (result.returncode, findings), (0, []))


def svg_pixels(path, width, height):
    """The drawing's pixels as ARGB, from its one-pixel-high rectangles."""
    pixels = [0] * (width * height)
    for rect in ElementTree.parse(path).getroot().iter("{http://www.w3.org/2000/svg}rect"):
        x, y, w, h = (int(rect.get(key)) for key in ("x", "y", "width", "height"))
        colour = 0xFF000000 | int(rect.get("fill").lstrip("#"), 16)
        for row in range(y, y + h):
            for column in range(x, x + w):
                pixels[row * width + column] = colour
    return pixels


def check_icons(checks, root, icon_sizes):
    icons = os.path.join(root, "usr/share/icons/hicolor")
    base_width, base_height, base = png_pixels.read_argb(os.path.join(icons,
                                                                       "16x16/apps/worthmere.png"))
    checks.expect("16 x 16 icon", (base_width, base_height), (16, 16))
    for size in sorted(set(icon_sizes) - {16}):
        width, height, pixels = png_pixels.read_argb(os.path.join(icons,
                                                                  f"{size}x{size}/apps/worthmere.png"))
        scale = size // 16
        enlarged = [base[(y // scale) * 16 + x // scale] for y in range(size) for x in range(size)]
        checks.expect(f"{size} x {size} icon enlarges the same design", (width, height, pixels),
                      (size, size, enlarged))
    opaque = [pixel if pixel >> 24 else 0 for pixel in base]
    checks.expect("scalable icon draws the same design",
                  svg_pixels(os.path.join(icons, "scalable/apps/worthmere.svg"), 16, 16), opaque)


def check_desktop_entry(checks, root):
    entry = os.path.join(root, "usr/share/applications/worthmere.desktop")
    result = subprocess.run(["desktop-file-validate", entry], capture_output=True, text=True)
    checks.expect("desktop-file-validate passes", (result.returncode, result.stdout), (0, ""))
    with open(entry, encoding="utf-8") as file:
        keys = dict(line.rstrip("\n").split("=", 1) for line in file if "=" in line)
    checks.expect("entry starts the installed program and shows its icon",
                  (keys.get("Exec"), keys.get("Icon"), keys.get("Categories")),
                  ("worthmere", "worthmere", "Office;Finance;"))


def check_unpacked_program_runs(checks, root):
    program = os.path.join(root, "usr/bin/worthmere")
    env = {key: value for key, value in os.environ.items() if not key.startswith("QT_")}
    env["QT_QPA_PLATFORM"] = "offscreen"
    with tempfile.TemporaryFile() as errors:
        process = subprocess.Popen([program], env=env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=errors)
        try:
            # It has no way to end on its own but the window's close: still running is success.
            time.sleep(3)
            running = process.poll() is None
        finally:
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        errors.seek(0)
        messages = errors.read().decode("utf-8", "replace")
    checks.expect("unpacked program starts and keeps running", running, True)
    if not running:
        print(messages)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--icon-sizes", required=True, type=int, nargs="+",
                        help="the installed PNG sizes, 16 among them")
    args = parser.parse_args()
    tools.require(TOOLS)
    checks = Checks()
    with tempfile.TemporaryDirectory(prefix="worthmere-deb-") as scratch:
        package = build_package(args.build_dir, os.path.join(scratch, "out"))
        check_metadata(checks, package)
        check_content(checks, package, args.icon_sizes)
        check_lintian(checks, package)
        root = os.path.join(scratch, "root")
        output_of(["dpkg-deb", "-x", package, root])
        check_icons(checks, root, args.icon_sizes)
        check_desktop_entry(checks, root)
        check_unpacked_program_runs(checks, root)
    return checks.summary()


if __name__ == "__main__":
    sys.exit(main())
