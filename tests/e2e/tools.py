"""The tools a driver needs beyond the build prerequisites. Where one is missing the driver is a
ctest skip (exit status 77, the SKIP_RETURN_CODE its ctest entry sets) that names it, never a pass."""

import shutil
import sys

SKIP = 77


def require(tools):
    """tools maps each program to its Debian package. Exits with SKIP, after one line for each
    package that is missing, unless every program is on PATH."""
    missing = {}
    for program, package in tools.items():
        if shutil.which(program) is None:
            missing.setdefault(package, program)
    for package, program in missing.items():
        print(f"SKIP: {program} is not installed (package {package})", flush=True)
    if missing:
        sys.exit(SKIP)
