#!/usr/bin/env bash
# Builds the overlay benchmark and runs it where a display exists (a private
# Xvfb with Mesa's llvmpipe when DISPLAY is unset). Prints a Markdown table.
# Usage: bench/run.sh [SECONDS_PER_STATE]   (default 3)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target overlay-bench >/dev/null
echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores; Qt $(qmake -query QT_VERSION 2>/dev/null || echo '?')"
exec tools/run-headless.sh "$build/bench/overlay-bench" --seconds "${1:-3}"
