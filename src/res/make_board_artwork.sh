#!/bin/sh
# Draws the pictures of the board overlays: the placeholder of a page image
# that is not at hand yet, the cover board's two buttons, the shape edit
# handles, the pen and laser pointers, and the small blackboard's frame and
# pull-down handle. Run it from this folder after changing a colour or size;
# the results are committed so that a build needs no ImageMagick.
set -eu
IM=${IM_CONVERT:-/usr/bin/convert}
BLUE='#3A78E6'

# Placeholder: a light grey page with a mountain-and-sun picture sign.
"$IM" -size 320x200 xc:'#EEEFF2' -fill '#D3D6DC' \
    -draw 'polygon 70,150 130,80 170,125 200,100 250,150' \
    -draw 'circle 220,65 220,50' \
    -fill none -stroke '#C4C8CF' -strokewidth 4 -draw 'rectangle 50,40 270,160' \
    bg_default_live_class.png

# Cover board buttons: a cross in a dark disc, a diagonal double arrow.
"$IM" -size 64x64 xc:none -fill '#555A64' -draw 'circle 32,32 32,2' \
    -stroke white -strokewidth 6 -draw 'line 20,20 44,44' -draw 'line 44,20 20,44' \
    live_class_close_img.png
"$IM" -size 64x64 xc:none -fill '#555A64' -draw 'roundrectangle 2,2 61,61 10,10' \
    -stroke white -strokewidth 5 -draw 'line 18,18 46,46' \
    -fill white -stroke none -draw 'polygon 14,14 32,14 14,32' -draw 'polygon 50,50 32,50 50,32' \
    live_class_text_view_expand_2.png

# Shape edit handles.
"$IM" -size 40x40 xc:none -fill white -stroke "$BLUE" -strokewidth 4 -draw 'circle 20,20 20,5' \
    live_class_shape_circle_vertex.png
"$IM" -size 160x40 xc:none -fill none -stroke "$BLUE" -strokewidth 3 \
    -draw 'stroke-dasharray 8 6 line 4,20 156,20' -draw 'line 80,4 80,36' \
    live_class_shape_rotation_base.png
"$IM" -size 64x64 xc:none -fill white -stroke "$BLUE" -strokewidth 4 -draw 'circle 32,32 32,4' \
    -fill none -draw 'arc 16,16 48,48 200,500' \
    -fill "$BLUE" -stroke none -draw 'polygon 40,10 50,22 36,24' \
    live_class_shape_rotation.png
"$IM" -size 64x64 xc:none -fill white -stroke "$BLUE" -strokewidth 4 -draw 'roundrectangle 4,4 59,59 8,8' \
    -draw 'line 18,46 46,18' -fill "$BLUE" -stroke none \
    -draw 'polygon 46,18 46,32 32,18' -draw 'polygon 18,46 18,32 32,46' \
    live_class_shape_expand_icon.png
# The copy buttons carry a sign, not words, so that no font is needed here.
copy_button() {
    "$IM" -size 146x36 xc:none -fill "$1" -draw 'roundrectangle 0,0 145,35 8,8' \
        -fill none -stroke white -strokewidth 3 \
        -draw 'rectangle 12,8 28,24' -draw 'rectangle 18,13 34,29' -draw "$2" "$3"
}
copy_button "$BLUE" 'line 48,18 130,18' live_class_shape_copy_blackboard.png
copy_button '#2FA86B' 'line 48,12 130,12 line 48,24 110,24' live_class_shape_copy_paste.png

# Pointers: the tip is the picture's top-left corner, where the pen is.
dot() { # colour file: a laser dot with a soft halo
    "$IM" -size 64x64 xc:none -fill "$1" -draw 'circle 14,14 14,2' \
        \( -size 64x64 xc:none -fill "$1" -draw 'circle 14,14 14,0' -channel A -evaluate multiply 0.35 +channel -blur 0x3 \) \
        -compose DstOver -composite "$2"
}
dot '#E53935' live_class_pointer_red.png
dot '#43A047' live_class_pointer_green.png
dot '#1E88E5' live_class_pointer_blue.png
dot '#FDD835' live_class_pointer_yellow.png
arrow() { # fill file
    "$IM" -size 64x64 xc:none -fill "$1" -stroke '#333333' -strokewidth 2 \
        -draw 'polygon 2,2 2,50 15,38 25,60 34,56 24,34 42,34' "$2"
}
arrow '#E53935' live_class_pointer_red_arrow.png
arrow white live_class_pointer_white_arrow.png
"$IM" -size 64x64 xc:none -fill white -stroke '#333333' -strokewidth 2 \
    -draw 'roundrectangle 4,2 16,36 6,6' -draw 'roundrectangle 4,24 48,60 10,10' \
    live_class_pointer_white_hand.png
pen() { # colour file: a pen lying from the top-left tip to the bottom right
    "$IM" -size 64x64 xc:none -fill "$1" -stroke '#333333' -strokewidth 2 \
        -draw 'polygon 2,2 16,8 58,50 50,58 8,16' -fill '#333333' -draw 'polygon 2,2 9,5 5,9' "$2"
}
pen '#FB8C00' live_class_pointer_orange_pen.png
pen '#43A047' live_class_pointer_pen_green_draw.png
pen '#FDD835' live_class_pointer_pen_yellow_draw.png
pen '#E53935' live_class_pointer_pen_red_draw.png
"$IM" -size 64x64 xc:none -fill '#F48FB1' -stroke '#333333' -strokewidth 2 \
    -draw 'roundrectangle 2,2 61,61 8,8' -fill '#90CAF9' -draw 'roundrectangle 2,34 61,61 8,8' \
    live_class_pointer_rubber.png

# Small blackboard: a wooden frame in four pieces and a pull-down tab.
"$IM" -size 8x64 gradient:'#B07A45-#8A5A2E' -rotate 90 -resize 8x64! live_class_blackboard_left.png
"$IM" -size 8x64 gradient:'#8A5A2E-#B07A45' -rotate 90 -resize 8x64! live_class_blackboard_right.png
"$IM" -size 64x8 gradient:'#B07A45-#8A5A2E' live_class_blackboard_top.png
"$IM" -size 64x8 gradient:'#8A5A2E-#B07A45' live_class_blackboard_down.png
"$IM" -size 96x48 xc:none -fill '#555A64' -draw 'roundrectangle 0,-12 95,47 12,12' \
    -fill white -draw 'polygon 32,16 64,16 48,34' live_class_board_pull_down.png

# Shape style box: solid and dotted line types, the mark of the chosen colour.
"$IM" -size 64x64 xc:none -stroke '#333333' -strokewidth 5 -draw 'line 8,56 56,8' \
    live_menu/view_live_class_line.png
"$IM" -size 64x64 xc:none -stroke '#333333' -strokewidth 5 \
    -draw 'stroke-dasharray 8 6 line 8,56 56,8' live_menu/view_live_class_dot_line.png
"$IM" -size 48x48 xc:none -fill none -stroke white -strokewidth 6 \
    -draw 'polyline 10,25 20,35 38,14' live_menu/view_live_class_fill_color_choosed.png
