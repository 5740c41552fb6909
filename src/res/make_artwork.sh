#!/bin/sh
# Draws the small pictures of the shared QML components (check mark, arrows,
# loading spinner). Run it from this folder after changing a colour or size;
# the results are committed so that a build needs no ImageMagick.
set -eu
IM=${IM_CONVERT:-/usr/bin/convert}
BLUE='#3A78E6'
GREY='#C8CBD0'

# Check mark in a filled circle: selected, and selected but not changeable.
check() {
    "$IM" -size 96x96 xc:none -fill "$1" -draw 'circle 48,48 48,2' \
        -fill none -stroke white -strokewidth 9 -draw 'stroke-linecap round stroke-linejoin round polyline 27,50 42,64 70,34' \
        -resize 48x48 "$2"
}
check "$BLUE" choose_select.png
check "$GREY" choose_select_disable.png

# Chevron in a filled circle pointing left or right.
arrow() {
    "$IM" -size 96x96 xc:none -fill "$1" -draw 'circle 48,48 48,2' \
        -fill none -stroke white -strokewidth 9 -draw "stroke-linecap round stroke-linejoin round polyline $2" \
        -resize 48x48 "$3"
}
arrow "$BLUE" '55,28 35,48 55,68' go_to_left.png
arrow "$GREY" '55,28 35,48 55,68' go_to_left_disable.png
arrow "$BLUE" '41,28 61,48 41,68' go_to_right.png
arrow "$GREY" '41,28 61,48 41,68' go_to_right_disable.png

# Spinner: twelve dots on a ring, the head in the accent colour and the tail
# fading towards white, turned one dot per frame (12 frames of 80 ms) on white.
frames=""
i=0
while [ $i -lt 12 ]; do
    draw=""
    d=0
    while [ $d -lt 12 ]; do
        # Dot d is d steps behind the head: mix the accent colour (58,120,230)
        # with white, from 100 % down to 12 %.
        draw="$draw $(awk -v i=$i -v d=$d 'BEGIN {
            a = 1 - 0.88 * d / 11
            t = ((i - d) * 30 - 90) * 3.14159265 / 180
            x = 80 + 56 * cos(t); y = 80 + 56 * sin(t)
            printf "fill rgb(%d,%d,%d) circle %.1f,%.1f %.1f,%.1f",
                255 - a * 197, 255 - a * 135, 255 - a * 25, x, y, x + 11, y }')"
        d=$((d + 1))
    done
    "$IM" -size 160x160 xc:white -draw "$draw" -resize 80x80 "frame_$i.png"
    frames="$frames frame_$i.png"
    i=$((i + 1))
done
# shellcheck disable=SC2086
"$IM" -delay 8 -loop 0 $frames -layers Optimize loading.gif
# shellcheck disable=SC2086
rm -f $frames
