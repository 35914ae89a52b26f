#!/bin/sh
# Draws Velmora's application icon (velmora.png, 64 x 64) with ImageMagick: a dark green
# rounded tile, a white cross-hair and the letter V. Run it again after changing the drawing and
# commit the PNG, so that building needs no ImageMagick.
set -e
cd "$(dirname "$0")"
convert -size 64x64 xc:none \
    -fill '#1f5f3a' -stroke '#0d2b1a' -strokewidth 2 -draw 'roundrectangle 2,2 61,61 12,12' \
    -fill none -stroke '#e8f5e9' -strokewidth 3 -draw 'circle 32,32 32,12' \
    -stroke '#e8f5e9' -strokewidth 2 \
    -draw 'line 32,6 32,18' -draw 'line 32,46 32,58' -draw 'line 6,32 18,32' -draw 'line 46,32 58,32' \
    -fill '#ffcc33' -stroke '#7a5a00' -strokewidth 1 \
    -draw 'polygon 21,20 27,20 32,36 37,20 43,20 35,44 29,44' \
    -strip velmora.png
