#!/usr/bin/env bash
# Renders the gallery's pages with the Qt 5 and the Qt 6 build and writes, per
# page, how far the Qt 6 picture is from the Qt 5 one, to docs/gallery-qt6.md;
# the Qt 6 pictures go to docs/gallery-qt6/ beside it.
# Usage: tools/compare-gallery.sh [QT5_BUILD] [QT6_BUILD]   (defaults: build build-qt6)
# Needs ImageMagick; each gallery runs on a private Xvfb (tools/with-xvfb.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
qt5=${1:-build} qt6=${2:-build-qt6}
out=docs/gallery-qt6
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for build in "$qt5" "$qt6"; do
    [ -x "$build/zelk-gallery" ] || { echo "no $build/zelk-gallery: build it first" >&2; exit 1; }
done
QT_QPA_PLATFORM=xcb tools/with-xvfb.sh "$qt5/zelk-gallery" --snapshot "$work/qt5" >/dev/null
rm -rf "$out"
QT_QPA_PLATFORM=xcb tools/with-xvfb.sh "$qt6/zelk-gallery" --snapshot "$out" >/dev/null

# Channel levels 0-255: the mean of |Qt 6 - Qt 5| over every pixel and channel,
# the largest, and the share of pixels where some channel differs by more
# than 16 levels (what an eye notices side by side).
row() {
    local a=$1 b=$2 diff=$work/diff.png
    if [ "$(identify -format '%wx%h' "$a")" != "$(identify -format '%wx%h' "$b")" ]; then
        echo "| $(basename "$a" .png) | sizes differ | | |"
        return
    fi
    convert "$a" "$b" -alpha off -compose difference -composite "$diff"
    local mean largest share
    mean=$(convert "$diff" -format '%[fx:255*mean]' info:)
    largest=$(convert "$diff" -separate -evaluate-sequence max -format '%[fx:round(255*maxima)]' info:)
    share=$(convert "$diff" -separate -evaluate-sequence max -threshold 6.3% -format '%[fx:100*mean]' info:)
    printf '| %s | %.2f | %d | %.2f %% |\n' "$(basename "$a" .png)" "$mean" "$largest" "$share"
}

{
    echo "# The gallery on Qt 6 against Qt 5"
    echo
    echo "Written by \`tools/compare-gallery.sh\` from the gallery's snapshots of the Qt 5"
    echo "and the Qt 6 build (same machine, Xvfb with llvmpipe). Channel levels run from 0"
    echo "to 255; \"> 16\" is the share of pixels where some channel differs by more than"
    echo "16 levels. The Qt 6 pictures are in [gallery-qt6/](gallery-qt6/), the Qt 5 ones"
    echo "in [gallery/](gallery/); [qt6.md](qt6.md) says where the two builds differ and why."
    echo
    echo "| Page | Mean difference | Largest | > 16 |"
    echo "|---|---|---|---|"
    for page in "$work"/qt5/*.png; do
        row "$page" "$out/$(basename "$page")"
    done
} > docs/gallery-qt6.md
cat docs/gallery-qt6.md
