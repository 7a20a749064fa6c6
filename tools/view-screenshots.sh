#!/usr/bin/env bash
# Saves screenshots of the forms and the overlays into docs/screenshots/.
# Run from the source root after a build:
#   tools/with-xvfb.sh tools/view-screenshots.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
mkdir -p docs/screenshots
for shot in tools/screenshots/shot_*.qml; do
    "$build/tests/qmltests" -input "$shot"
done
