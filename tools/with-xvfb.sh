#!/usr/bin/env bash
# Runs one command on a private Xvfb display with Mesa's llvmpipe, so tests
# that run in parallel never cover, focus or hover each other's windows.
# Xvfb picks a free display itself (-displayfd), so parallel starts don't race.
set -uo pipefail
fifo=$(mktemp -u "${TMPDIR:-/tmp}/xvfb.XXXXXX")
mkfifo "$fifo"
# The server itself runs without the sanitizer preloads meant for the test.
env -u LD_PRELOAD Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
xvfb=$!
read -r display <"$fifo"
rm -f "$fifo"
if [ -z "$display" ]; then
    echo "with-xvfb: Xvfb did not start" >&2
    exit 1
fi
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null' EXIT
export DISPLAY=":$display" LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe
"$@"
