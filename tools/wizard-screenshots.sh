#!/usr/bin/env bash
# Walks the wizard by pointer clicks and saves one screenshot of each page and
# of the empty-selection warning, for docs/screenshots/.
# Usage (no display needed): tools/run-headless.sh tools/wizard-screenshots.sh [PROGRAM] [DIR]
set -euo pipefail
program=${1:-build/orvane-tool} dir=${2:-docs/screenshots}
mkdir -p "$dir"
shot() { import -window root -crop 800x800+0+0 +repage "$dir/$1"; }
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
sleep 3
xdotool mousemove 400 710 click 1   # "Next" with nothing ticked
sleep 1.5
shot warning.png
xdotool mousemove 400 451 click 1   # "OK"
sleep 0.5
for y in 273 353 433; do xdotool mousemove 352 $y click 1; done
xdotool mousemove 600 600
sleep 0.5
shot page0.png
xdotool mousemove 400 710 click 1
sleep 1.5
shot page1.png
