#!/usr/bin/env bash
# Starts the program, saves a screenshot of the screen after a few seconds and
# ends it: proof on a machine without a display that the window comes up.
# Usage: tools/screenshot-run.sh PROGRAM OUTPUT.png [SECONDS]
set -euo pipefail
program=$1 output=$2 seconds=${3:-4}
"$program" &
pid=$!
sleep "$seconds"
import -window root -crop 800x800+0+0 +repage "$output"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "screenshot saved to $output"
