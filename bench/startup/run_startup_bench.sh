#!/usr/bin/env bash
# Start-up benchmark: Worthmere against a plain Qt Widgets window of the same make-up, on a
# throw-away X desktop (Xvfb with openbox), taking turns run by run after a warm-up.
#   bench/startup/run_startup_bench.sh [BUILD_DIR] [RUNS]
# BUILD_DIR defaults to build/release (configured and built here if needed); RUNS to 15.
set -euo pipefail

cd "$(dirname "$0")/../.."
build=${1:-build/release}
runs=${2:-15}

if [ "$build" = build/release ]; then
  cmake --preset release >/dev/null
fi
cmake --build "$build" --target worthmere startup_floor startup_probe

# shellcheck source=scripts/x_desktop.sh
source scripts/x_desktop.sh
# A black root, so a mapped window that has not painted yet shows one uniform colour.
start_x_desktop 1024x768x24 -br

"$build/bench/startup/startup_probe" --runs "$runs" --warmup 2 --poll-ms 2 \
  "Worthmere and Calculator" "$build/app/worthmere" \
  "Qt Widgets floor" "$build/bench/startup/startup_floor"
