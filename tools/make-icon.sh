#!/usr/bin/env bash
# Regenerates the application icon (235x235, 32-bit) for the desktop entry and
# the Windows resource. Needs ImageMagick. Run from the project root.
set -euo pipefail
convert -size 235x235 xc:none \
    -fill '#2e91ed' -draw 'roundrectangle 10,10 224,224 40,40' \
    -fill '#1a1a1a' -draw 'circle 117,117 117,60' \
    -fill '#2e91ed' -draw 'circle 117,117 117,95' \
    PNG32:host/orvane-tool.png
convert host/orvane-tool.png host/orvane-tool.ico
