#!/usr/bin/env bash
# Writes the icon's PNG sizes from data/icons/skyglass2.svg (needs rsvg-convert, Debian's
# librsvg2-bin). The PNGs are checked in; run this after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/icons"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" skyglass2.svg -o "skyglass2-$size.png"
done
