#!/usr/bin/env bash
# Saves screenshots of the feedback dialog and the rating panel into
# docs/screenshots/. Run from the source root after a build:
#   tools/run-headless.sh tools/forms-screenshots.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
mkdir -p docs/screenshots
"$build/tests/qmltests" -input tests/qml/screenshots/shot_forms.qml
