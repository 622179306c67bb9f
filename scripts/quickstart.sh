#!/usr/bin/env bash
# Sets up a Debian 12 machine for Worthmere, builds it, and either starts it or runs the tests.
#   scripts/quickstart.sh run    install what is missing, build, start the program
#   scripts/quickstart.sh test   install what is missing, build, run the whole test suite
set -euo pipefail

cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  locales fonts-liberation
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
  local missing=()
  for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

# The tests pin a locale whose decimal separator is a comma; a fresh Debian has only C and POSIX.
generate_test_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "Generating the de_DE.UTF-8 locale for the tests"
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
  fi
}

build() {
  local preset=$1
  shift
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" "$@"
}

command=${1:-}
case "$command" in
  run)
    install_missing_packages
    build release --target worthmere
    exec build/release/app/worthmere
    ;;
  test)
    install_missing_packages
    generate_test_locale
    build debug
    ctest --preset debug --parallel 2 --timeout 600
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
