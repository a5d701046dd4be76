#!/usr/bin/env bash
# Draws the program's pictures into resources/ with ImageMagick. Run it again after changing
# a drawing; the results are committed so that a build needs no ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/../resources"

# The program icon: a paint splat with a "V", at 16, 32 and 48 pixels.
for size in 16 32 48; do
  s=$size
  convert -size ${s}x${s} xc:none \
    -fill '#d84315' -draw "circle $((s/2)),$((s/2)) $((s/2)),$((s/12+1))" \
    -fill '#ff7043' -draw "circle $((s*3/4)),$((s/4)) $((s*3/4+s/10+1)),$((s/4))" \
    -fill '#ff7043' -draw "circle $((s/5)),$((s*4/5)) $((s/5+s/14+1)),$((s*4/5))" \
    -fill white -stroke white -strokewidth $((s/12+1)) \
    -draw "polyline $((s*3/10)),$((s*3/10)) $((s/2)),$((s*7/10)) $((s*7/10)),$((s*3/10))" \
    -colors 256 PNG32:icon${s}.png
done

# The folder picture of the spray folder button: 16 colours on a dark-red background that the
# program draws transparent.
convert -size 16x16 xc:'rgb(128,0,0)' \
  -fill '#c8a000' -stroke '#604800' -draw "rectangle 1,4 14,13" \
  -fill '#e8c020' -stroke '#604800' -draw "polygon 1,4 2,2 6,2 7,4" \
  -fill '#f8e070' -stroke none -draw "rectangle 2,6 13,12" \
  -colors 16 -type Palette BMP3:folder.bmp

# The About logo: 116 x 44, 24-bit colour.
convert -size 116x44 gradient:'#263238'-'#455a64' \
  -fill '#d84315' -draw "circle 22,22 22,6" \
  -fill '#ff7043' -draw "circle 34,10 38,10" \
  -fill white -stroke white -strokewidth 3 -draw "polyline 15,14 22,30 29,14" \
  -stroke none -fill white -font DejaVu-Sans-Bold -pointsize 17 -annotate +42+29 'Velmira' \
  -type TrueColor BMP3:logo.bmp
