#!/bin/sh
# Renders Velmora's icon (velmora.svg) into the PNG sizes desktops and the window title bar use,
# icons/<size>.png. Run it again after changing the drawing and commit the PNGs, so that building
# needs no SVG renderer (tst_appicon checks that the PNGs still match the drawing).
# Needs rsvg-convert (Debian: librsvg2-bin).
set -e
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" velmora.svg --output "icons/$size.png"
done
