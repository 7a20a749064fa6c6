#!/usr/bin/env bash
# Builds and runs every benchmark, then rewrites the figures section of
# docs/performance.md (and prints it). Runs where a display exists, else under
# a private Xvfb with Mesa's llvmpipe. Takes several minutes; the component
# benchmark takes most of them.
# Usage: bench/run.sh [options of bench/run_all.py, e.g. --runs 15 --no-components]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}

# Qt's own Gallery example is the peer of the start-up and memory tables.
peer=qtquickcontrols2-5-examples
if command -v dpkg-query >/dev/null && ! dpkg-query -W -f='${Status}' "$peer" 2>/dev/null | grep -q "install ok installed"; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "bench/run.sh: installing $peer (Qt's Gallery, the peer in the start-up tables)" >&2
    if ! { $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$peer"; } >&2; then
        echo "bench/run.sh: could not install $peer; the tables go without Qt's Gallery" >&2
    fi
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target orvane-tool zelk-gallery minimal-quick start-ladder launch swap-shim overlay-bench component-bench >/dev/null
exec tools/run-headless.sh python3 bench/run_all.py --build "$build" "$@"
