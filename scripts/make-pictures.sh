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
# program draws transparent. Drawn without smoothing, so that no pixel is a blend of the
# background and the drawing (it would stay opaque, a dark-red fringe). The same drawing at
# twice the size for screens of twice the density (folder@2x.bmp, chosen by Qt).
for s in 1 2; do
  name=folder.bmp
  [ "$s" = 1 ] || name=folder@${s}x.bmp
  convert -size $((16*s))x$((16*s)) xc:'rgb(128,0,0)' +antialias \
    -fill '#c8a000' -stroke '#604800' -draw "scale $s,$s rectangle 1,4 14,13" \
    -fill '#e8c020' -stroke '#604800' -draw "scale $s,$s polygon 1,4 2,2 6,2 7,4" \
    -fill '#f8e070' -stroke none -draw "scale $s,$s rectangle 2,6 13,12" \
    -colors 16 -type Palette BMP3:"$name"
done

# The About logo: 116 x 44, 24-bit colour; the same drawing at twice the size (logo@2x.bmp).
for s in 1 2; do
  name=logo.bmp
  [ "$s" = 1 ] || name=logo@${s}x.bmp
  convert -size $((116*s))x$((44*s)) gradient:'#263238'-'#455a64' \
    -fill '#d84315' -draw "scale $s,$s circle 22,22 22,6" \
    -fill '#ff7043' -draw "scale $s,$s circle 34,10 38,10" \
    -fill white -stroke white -strokewidth 3 -draw "scale $s,$s polyline 15,14 22,30 29,14" \
    -stroke none -fill white -font DejaVu-Sans-Bold -pointsize $((17*s)) \
    -annotate +$((42*s))+$((29*s)) 'Velmira' \
    -type TrueColor BMP3:"$name"
done
