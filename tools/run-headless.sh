#!/usr/bin/env bash
# Runs a command where a display exists: as is when DISPLAY is set, else under
# a private Xvfb with Mesa's llvmpipe (Qt Graphical Effects need real OpenGL).
set -euo pipefail
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi
export LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
