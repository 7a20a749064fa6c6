#!/usr/bin/env bash
# Builds and runs every benchmark, then rewrites the figures section of
# docs/performance.md (and prints it). Runs where a display exists, else under
# a private Xvfb with Mesa's llvmpipe. Takes several minutes; the component
# benchmark takes most of them.
# Usage: bench/run.sh [options of bench/run_all.py, e.g. --runs 15 --no-components]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target orvane-tool minimal-quick start-ladder launch swap-shim overlay-bench component-bench >/dev/null
exec tools/run-headless.sh python3 bench/run_all.py --build "$build" "$@"
