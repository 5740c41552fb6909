#!/bin/sh
# Draws the pictures of the class page: the teaching assistant's show/hide
# nail, the student list's drag handle and the three text-size buttons of the
# typing panel. Run it from this folder after changing a colour or size; the
# results are committed so that a build needs no ImageMagick.
set -eu
IM=${IM_CONVERT:-/usr/bin/convert}
BLUE='#3A78E6'
GREY='#98A4AF'

# Nail: a tab leaning against the assistant's left edge, rounded on its free
# side, with a chevron pointing into the page (1 : 2).
"$IM" -size 48x96 xc:none -fill white -stroke '#C4C8CC' -strokewidth 2 \
    -draw 'roundrectangle 2,2 61,93 14,14' \
    -fill none -stroke "$BLUE" -strokewidth 5 \
    -draw 'stroke-linecap round stroke-linejoin round polyline 28,36 18,48 28,60' \
    live_menu/icon_show_teaching_assistant.png

# Drag handle: a rounded bar with grip lines, dragged sideways (1 : 2).
"$IM" -size 48x96 xc:none -fill "$GREY" -stroke white -strokewidth 2 -draw 'roundrectangle 8,4 39,91 14,14' \
    -strokewidth 3 -draw 'line 17,32 17,64' -draw 'line 24,28 24,68' -draw 'line 31,32 31,64' \
    live_menu/live_drag_move.png

# Text sizes: a "T" drawn as two bars, small, middle and big in one square.
text_size() { # scale file
    awk -v s="$1" 'BEGIN {
        h = 56 * s; w = 44 * s; t = 10 * s
        x0 = 32 - w / 2; y0 = 32 - h / 2
        printf "rectangle %.1f,%.1f %.1f,%.1f ", x0, y0, x0 + w, y0 + t
        printf "rectangle %.1f,%.1f %.1f,%.1f", 32 - t / 2, y0, 32 + t / 2, y0 + h }' > /tmp/text_size.$$
    "$IM" -size 64x64 xc:none -fill '#252729' -draw "$(cat /tmp/text_size.$$)" "$2"
    rm -f /tmp/text_size.$$
}
text_size 0.55 type_text/text_small.png
text_size 0.75 type_text/text_middle.png
text_size 1.0 type_text/text_big.png
