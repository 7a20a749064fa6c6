#!/usr/bin/env bash
# Builds the soak program and runs it where a display exists (a private Xvfb
# with Mesa's llvmpipe when DISPLAY is unset). Prints a Markdown table of
# resident memory before and after opening and closing each popup; exits
# non-zero when any popup's run grew it by 5 MiB or more.
# Usage: bench/soak.sh [CYCLES [FRAME_EVERY]]   (defaults 5000 and 10)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target soak >/dev/null
echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores; Qt $(qmake -query QT_VERSION 2>/dev/null || echo '?')"
exec tools/run-headless.sh "$build/bench/soak" --cycles "${1:-5000}" --frame-every "${2:-10}"
