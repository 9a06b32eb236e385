#!/usr/bin/env bash
# Renders the PNGs in res/ (at 1x and 2x) from their SVG sources. The PNGs are committed, so
# the build never needs this; run it after editing an SVG (needs rsvg-convert,
# Debian package librsvg2-bin).
set -euo pipefail
res="$(cd "$(dirname "$0")/../res" && pwd)"
cd "$res"
# Each picture also at twice its size, which the program takes on screens
# scaled above 100 %.
for name in skin button button_hot help minimize close menupictures; do
  rsvg-convert "$name.svg" -o "$name.png"
  rsvg-convert -z 2 "$name.svg" -o "$name@2x.png"
done
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" icons/sonavert.svg -o "icons/sonavert-$size.png"
done
