#!/usr/bin/env bash
# Renders the icon's PNG sizes from its drawing, data/icons/velmora.svg, after the drawing changed.
# The PNGs are kept in the repository, so a build needs no SVG renderer. Needs rsvg-convert
# (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 48 128 256; do
  mkdir -p "hicolor/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" velmora.svg -o "hicolor/${size}x${size}/velmora.png"
done
