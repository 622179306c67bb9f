#!/usr/bin/env bash
# Sets up a Debian 12 machine for Worthmere, builds it, and either starts it or runs the tests.
#   scripts/quickstart.sh run    install what is missing, build, start the program
#   scripts/quickstart.sh test   install what is missing, build, run the whole test suite
#                                (plain, then under the sanitizers, then each fuzz target ~20 s)
#   scripts/quickstart.sh fuzz [SECONDS]   install what is missing, run each fuzz target longer
#   scripts/quickstart.sh screenshot   install what is missing, retake docs/worthmere.png
set -euo pipefail

cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  locales fonts-liberation
  # The desktop end-to-end test, the package check and the start-up benchmark.
  xvfb openbox x11-utils xdotool xclip wmctrl python3 libx11-dev
  dpkg-dev lintian desktop-file-utils
  # The Wayland end-to-end test: a headless compositor with Xwayland.
  weston xwayland qt6-wayland
  # The fuzz targets (clang with its libFuzzer), readable sanitizer stack traces, and memcheck for
  # reads of uninitialised values.
  clang llvm libclang-rt-dev valgrind
)
# Only for the README's screenshot.
screenshot_packages=(imagemagick)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
  local missing=()
  for package in "$@"; do
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

# The whole suite once more in the address and undefined-behaviour sanitizer build. The preset
# makes any report fatal, and LeakSanitizer checks every test program as it exits.
run_sanitized_tests() {
  build asan
  ctest --preset asan --parallel 2 --timeout 900
}

# Runs one fuzz target from a temporary copy of its committed corpus, so a run never writes into
# the repository. An input that crashes, trips a sanitizer or breaks an invariant is kept under
# build/fuzz-findings/<target>/.
fuzz_one_target() {
  local target=$1 seconds=$2 work=$3
  local findings=build/fuzz-findings/$target
  mkdir -p "$findings"
  cp -r "fuzz/corpus/$target" "$work/$target"
  if build/fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$work/$target" >"$work/$target.log" 2>&1; then
    echo passed >"$work/$target.status"
  else
    echo failed >"$work/$target.status"
  fi
}

# Every fuzz target for the given number of seconds, as many at a time as there are cores.
run_fuzz_targets() {
  local seconds=$1
  build fuzz
  local work
  work=$(mktemp -d)
  local targets=() running=0
  for corpus in fuzz/corpus/*/; do
    targets+=("$(basename "$corpus")")
  done
  for target in "${targets[@]}"; do
    if [ "$running" -ge "$(nproc)" ]; then
      wait -n || true
      running=$((running - 1))
    fi
    fuzz_one_target "$target" "$seconds" "$work" &
    running=$((running + 1))
  done
  wait || true
  local passed=0 failed=0
  for target in "${targets[@]}"; do
    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log" 2>/dev/null || true)
    if [ "$(cat "$work/$target.status" 2>/dev/null)" = passed ]; then
      echo "fuzz $target: ${runs:-?} runs in $seconds s, nothing found"
      passed=$((passed + 1))
    else
      tail -n 60 "$work/$target.log" || true
      echo "fuzz $target: FAILED after ${runs:-?} runs; the input is in build/fuzz-findings/$target/"
      failed=$((failed + 1))
    fi
  done
  rm -rf "$work"
  echo "fuzzing: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

command=${1:-}
case "$command" in
  run)
    install_missing_packages "${packages[@]}"
    build release --target worthmere
    exec build/release/app/worthmere
    ;;
  test)
    install_missing_packages "${packages[@]}"
    generate_test_locale
    build debug
    ctest --preset debug --parallel 2 --timeout 600
    run_sanitized_tests
    run_fuzz_targets 20
    ;;
  fuzz)
    install_missing_packages "${packages[@]}"
    run_fuzz_targets "${2:-600}"
    ;;
  screenshot)
    install_missing_packages "${packages[@]}" "${screenshot_packages[@]}"
    exec scripts/screenshot.sh
    ;;
  *)
    echo "usage: $0 run|test|fuzz [SECONDS]|screenshot" >&2
    exit 2
    ;;
esac
