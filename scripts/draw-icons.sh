#!/usr/bin/env bash
# Draws the two programs' icons at the sizes desktops look for, into
# dist/icons/<size>/. Needs ImageMagick; run by hand when the icons change.
set -euo pipefail
cd "$(dirname "$0")/.."
out=dist/icons
font=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf

# Kwitola: a navy tile with a sheet of paper, its lines and a red total.
convert -size 256x256 xc:none \
    -fill '#000080' -draw 'roundrectangle 8,8 248,248 36,36' \
    -fill white -draw 'polygon 64,32 164,32 200,68 200,224 64,224' \
    -fill '#b0b0d0' -draw 'polygon 164,32 200,68 164,68' \
    -stroke '#000080' -strokewidth 8 \
    -draw 'line 84,88 150,88' -draw 'line 84,116 180,116' -draw 'line 84,144 180,144' \
    -stroke none -fill '#d00000' -draw 'rectangle 112,170 184,206' \
    -font "$font" -pointsize 34 -fill white -draw "text 124,201 'zł'" \
    "$out/kwitola-256.png"

# Karoskop: a black-to-fuchsia tile with a magnifier over a VIN plate.
convert -size 256x256 gradient:'#000000'-'#ff00ff' \
    \( -size 256x256 xc:black -fill white -draw 'roundrectangle 8,8 248,248 36,36' \) \
    -alpha off -compose CopyOpacity -composite -compose Over \
    -fill white -draw 'roundrectangle 20,136 150,196 10,10' \
    -font "$font" -pointsize 44 -fill black -draw "text 36,182 'VIN'" \
    -fill none -stroke white -strokewidth 14 -draw 'circle 164,92 164,44' \
    -strokewidth 22 -draw 'line 198,128 230,164' \
    "$out/karoskop-256.png"

for program in kwitola karoskop; do
    for size in 16 32 48 64 128 256; do
        mkdir -p "$out/$size"
        convert "$out/$program-256.png" -resize "${size}x${size}" -strip "$out/$size/$program.png"
    done
    rm "$out/$program-256.png"
done
