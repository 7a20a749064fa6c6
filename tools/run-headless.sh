#!/usr/bin/env bash
# Runs a command where a display exists: as is when DISPLAY is set, else on a
# private Xvfb with Mesa's llvmpipe (Qt Graphical Effects need real OpenGL).
set -euo pipefail
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi
exec "$(dirname "$0")/with-xvfb.sh" "$@"
