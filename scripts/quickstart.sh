#!/usr/bin/env bash
# Sets up a Debian 12 machine for Worthmere, builds it, and either starts it or runs the tests.
#   scripts/quickstart.sh run     install what building and running need, build (in build/run),
#                                 start the program
#   scripts/quickstart.sh setup   install everything the tests need, generate their locale and
#                                 build Qt for Windows (once), for building and testing by hand
#   scripts/quickstart.sh test    set up, check the format, build, run the whole test suite (plain,
#                                 then under the sanitizers, then each fuzz target ~20 s, then the
#                                 logic with libc++, then the logic and the whole program for
#                                 Windows under wine); a skipped test fails it, and so does a run
#                                 that changed the tree
#   scripts/quickstart.sh fuzz [SECONDS]   install what is missing, run each fuzz target longer
#   scripts/quickstart.sh screenshot   install what is missing, retake docs/worthmere.png
set -euo pipefail

cd "$(dirname "$0")/.."

# One list per purpose.
# Building and running the program.
run_packages=(cmake ninja-build g++ qt6-base-dev fonts-liberation)
# The rest of the build prerequisites of the tests: GoogleTest, and the source of the comma locale
# that the test programs pin.
test_packages=(libgtest-dev locales)
# A throw-away X desktop: the desktop test, the screenshot and the start-up benchmark.
x_desktop_packages=(xvfb openbox x11-utils xdotool)
# The desktop test, beyond the X desktop.
desktop_test_packages=(python3 xclip wmctrl)
# The Wayland session test: a headless compositor with Xwayland, and the toolkit's Wayland
# plugin.
wayland_test_packages=(python3 weston xwayland qt6-wayland)
# The package test.
package_test_packages=(python3 dpkg-dev file lintian desktop-file-utils)
# The benchmarks, the start-up one included.
benchmark_packages=(libbenchmark-dev libx11-dev)
# The fuzz targets: clang with its libFuzzer.
fuzz_packages=(clang libclang-rt-dev)
# Readable sanitizer stack traces.
sanitizer_packages=(llvm)
# memcheck of the fuzz corpora, for reads of uninitialised values.
memcheck_packages=(valgrind)
# The Windows resource file compiled by mingw's resource compiler.
windres_packages=(binutils-mingw-w64-x86-64)
# The format check: Debian 12's clang-format, version 14.
format_packages=(clang-format)
# The README's screenshot, beyond the X desktop.
screenshot_packages=(imagemagick)
# The logic with clang 16 and libc++ 16, and GoogleTest's sources for the logic-only builds.
libcxx_packages=(clang-16 libc++-16-dev libc++abi-16-dev googletest)
# The logic for Windows: mingw-w64 with posix threads (its binutils come with windres_packages),
# and wine to run its tests.
windows_logic_packages=(g++-mingw-w64-x86-64-posix wine wine64)
# The whole program for Windows, beyond the logic's: what scripts/windows_qt.sh needs to fetch and
# build Qt, and wine's own Tahoma, which Windows users have and the window is drawn for.
windows_packages=(dpkg-dev fonts-wine)

setup_packages=(
  "${run_packages[@]}" "${test_packages[@]}" "${x_desktop_packages[@]}"
  "${desktop_test_packages[@]}" "${wayland_test_packages[@]}" "${package_test_packages[@]}"
  "${benchmark_packages[@]}" "${fuzz_packages[@]}" "${sanitizer_packages[@]}"
  "${memcheck_packages[@]}" "${windres_packages[@]}" "${format_packages[@]}"
  "${libcxx_packages[@]}" "${windows_logic_packages[@]}" "${windows_packages[@]}"
)

# shellcheck source=scripts/debian_packages.sh
source scripts/debian_packages.sh

# The tests pin a locale whose decimal separator is a comma; a fresh Debian has only C and POSIX.
generate_test_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "Generating the de_DE.UTF-8 locale for the tests"
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
  fi
}

# The program alone, in a folder of its own without tests or benchmarks: no preset's cache changes.
build_program() {
  cmake --preset release -B build/run -DBUILD_TESTING=OFF -DWORTHMERE_BUILD_BENCHMARKS=OFF \
    >/dev/null
  cmake --build build/run --target worthmere
}

build() {
  local preset=$1
  shift
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" "$@"
}

# Every tracked C++ file must read as clang-format 14 writes it with the repository's .clang-format.
check_format() {
  local formatter=clang-format-14
  if ! command -v "$formatter" >/dev/null; then
    echo "$formatter is not installed (package clang-format)" >&2
    return 1
  fi
  local files=() unformatted=() file
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
  else
    mapfile -t files < <(find . -path './build*' -prune -o -name '*.cpp' -print -o -name '*.h' -print)
  fi
  for file in "${files[@]}"; do
    if ! "$formatter" --style=file "$file" | cmp -s - "$file"; then
      unformatted+=("$file")
    fi
  done
  if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted as .clang-format says (${formatter} -i FILE... fixes it):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    return 1
  fi
  echo "format: all ${#files[@]} C++ files as .clang-format says"
}

# ctest counts a skipped test as passed and exits 0; the full check must run every test, so here a
# skip fails it, naming the test and what it missed.
run_tests() {
  local preset=$1
  shift
  local log status=0
  log=$(mktemp)
  ctest --preset "$preset" "$@" 2>&1 | tee "$log" || status=$?
  local skipped
  skipped=$(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (Skipped)$/\1/p' "$log")
  rm -f "$log"
  if [ -n "$skipped" ]; then
    echo "The full test run allows no skipped test; in the $preset build ctest skipped:" >&2
    # Each skipped test with the reasons it printed ("SKIP: ...").
    awk -v skipped="$skipped" '
      /^[0-9]+\/[0-9]+ Test: / { name = $3 }
      /^SKIP: / { why[name] = why[name] "; " substr($0, 7) }
      END {
        count = split(skipped, names, "\n")
        for (i = 1; i <= count; i++) {
          print "  " names[i] (names[i] in why ? ": " substr(why[names[i]], 3) : "")
        }
      }' "build/$preset/Testing/Temporary/LastTest.log" >&2
    return 1
  fi
  return "$status"
}

# The whole suite once more in the address and undefined-behaviour sanitizer build. The preset
# makes any report fatal, and LeakSanitizer checks every test program as it exits.
run_sanitized_tests() {
  build asan
  run_tests asan --parallel 2 --timeout 900
}

# The logic and its tests built with libc++ instead of libstdc++.
run_libcxx_tests() {
  build libcxx
  run_tests libcxx --parallel 2 --timeout 600
}

# The given preset's build and tests, run under wine in a prefix of its own under build/, headless.
# The wine server is started first, its output sent away: a server left holding ctest's output
# pipe would keep ctest waiting after the last test.
run_tests_under_wine() {
  local preset=$1
  (
    unset DISPLAY
    export WINEPREFIX=$PWD/build/$preset/wine WINEDEBUG=-all
    mkdir -p "$WINEPREFIX"
    wineserver -p >/dev/null 2>&1 </dev/null
    trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
    wineboot -i >/dev/null 2>&1 </dev/null
    build "$preset"
    run_tests "$preset" --parallel 2 --timeout 600
  )
}

# The logic and its tests built for Windows.
run_windows_logic_tests() {
  run_tests_under_wine windows-logic
}

# The whole program and its tests for Windows, against the Qt that scripts/windows_qt.sh builds or
# finds in its cache: the test programs, the program on an X desktop and its ZIP in a fresh prefix.
run_windows_tests() {
  local qt
  qt=$(scripts/windows_qt.sh)
  WORTHMERE_WINDOWS_QT=$qt run_tests_under_wine windows
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

# Every fuzz target for the given number of seconds, as many at a time as there are cores. In a
# subshell, so that the copies of the corpora and the logs go however the run ends.
run_fuzz_targets() (
  local seconds=$1
  build fuzz
  local work
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  local targets=() running=0 corpus target
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
  echo "fuzzing: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
)

# A test run must leave the tree as it found it: what git lists as changed or untracked at the end
# must be what it listed at the start, so a developer's own uncommitted edits do not fail it.
tree_state() {
  git status --porcelain --untracked-files=all
}

record_tree() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    tree_recorded=yes
    tree_at_start=$(tree_state)
  fi
}

check_tree_unchanged() {
  if [ -z "${tree_recorded:-}" ]; then
    echo "tree: not a git checkout, so the check that the run left the tree unchanged was skipped"
    return 0
  fi
  local changed
  # Each porcelain line is two status letters, a blank and the path.
  changed=$(diff <(grep -v '^$' <<<"$tree_at_start") <(tree_state) | sed -n 's/^[<>] ...//p' |
    sort -u || true)
  if [ -n "$changed" ]; then
    echo "The test run changed the tree; these paths differ from before it (ignore or remove them):" >&2
    local path
    while IFS= read -r path; do echo "  $path"; done <<<"$changed" >&2
    return 1
  fi
  echo "tree: the run left it as it found it"
}

command=${1:-}
case "$command" in
  run)
    install_missing_packages "${run_packages[@]}"
    build_program
    exec build/run/app/worthmere
    ;;
  setup)
    install_missing_packages "${setup_packages[@]}"
    generate_test_locale
    scripts/windows_qt.sh >/dev/null
    ;;
  test)
    record_tree
    install_missing_packages "${setup_packages[@]}"
    generate_test_locale
    check_format
    build debug
    run_tests debug --parallel 2 --timeout 600
    run_sanitized_tests
    run_fuzz_targets 20
    run_libcxx_tests
    run_windows_logic_tests
    run_windows_tests
    check_tree_unchanged
    ;;
  fuzz)
    install_missing_packages "${run_packages[@]}" "${fuzz_packages[@]}" "${sanitizer_packages[@]}"
    run_fuzz_targets "${2:-600}"
    ;;
  screenshot)
    install_missing_packages "${run_packages[@]}" "${x_desktop_packages[@]}" \
      "${screenshot_packages[@]}"
    build_program
    exec scripts/screenshot.sh build/run/app/worthmere
    ;;
  *)
    echo "usage: $0 run|setup|test|fuzz [SECONDS]|screenshot" >&2
    exit 2
    ;;
esac
