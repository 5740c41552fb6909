#!/bin/sh
# Draws the pictures of the teaching assistant and the typing panel: the
# panel's title icon and fold triangle, the send arrow, the free-talk
# microphones, the raised-hand and message notices and the typing field's
# resize handle. Run it from this folder after changing a colour or size; the
# results are committed so that a build needs no ImageMagick.
set -eu
IM=${IM_CONVERT:-/usr/bin/convert}
BLUE='#3A78E6'
ORANGE='#ff6321'
GREY='#98A4AF'

# Title icon: a speech bubble with three dots.
"$IM" -size 64x64 xc:none -fill "$BLUE" -draw 'roundrectangle 4,8 60,48 12,12' \
    -draw 'polygon 16,46 16,60 30,46' -fill white \
    -draw 'circle 18,28 22,28' -draw 'circle 32,28 36,28' -draw 'circle 46,28 50,28' \
    live_menu/teaching_assistant_icon.png

# Fold triangle, pointing down.
"$IM" -size 32x32 xc:none -fill "$GREY" -draw 'polygon 6,10 26,10 16,24' live_menu/teaching_assistant_triangle.png

# Send: a paper plane.
"$IM" -size 64x64 xc:none -fill "$BLUE" -draw 'polygon 4,30 60,6 44,58 30,38' \
    -fill white -draw 'polygon 30,38 60,6 36,46' live_menu/fly.png

# Microphones: free talk on (open) and off (struck through).
mic() { # colour file [strike colour]
    "$IM" -size 64x64 xc:none -fill "$1" -draw 'roundrectangle 22,4 42,40 10,10' \
        -fill none -stroke "$1" -strokewidth 4 -draw 'arc 14,16 50,48 0,180' \
        -draw 'line 32,48 32,58' -draw 'line 22,58 42,58' \
        -stroke "${3:-none}" -strokewidth 5 -draw "line ${3:+10,8 54,56}${3:-0,0 0,0}" "$2"
}
mic "$BLUE" live_state/icon_voice_unmute.png
mic "$GREY" live_state/icon_voice_mute.png '#F5222D'

# Raised hand: an open palm.
"$IM" -size 64x64 xc:none -fill "$ORANGE" -draw 'roundrectangle 16,28 48,60 10,10' \
    -draw 'roundrectangle 16,10 23,36 3,3' -draw 'roundrectangle 25,4 32,34 3,3' \
    -draw 'roundrectangle 34,6 41,34 3,3' -draw 'roundrectangle 43,14 50,38 3,3' \
    -draw 'roundrectangle 6,30 18,44 4,4' live_menu/raise_hand_icon.png

# Private message: an envelope.
"$IM" -size 64x64 xc:none -fill "$BLUE" -draw 'roundrectangle 4,12 60,52 6,6' \
    -fill none -stroke white -strokewidth 4 -draw 'polyline 8,16 32,36 56,16' live_menu/private_message_icon.png

# Resize handle of the typing field: a square with a double arrow.
"$IM" -size 48x48 xc:none -fill white -stroke '#ff0000' -strokewidth 2 -draw 'rectangle 2,2 45,45' \
    -fill '#ff0000' -stroke none -draw 'polygon 6,24 16,14 16,34' -draw 'polygon 42,24 32,14 32,34' \
    -draw 'rectangle 14,22 34,26' type_text_drag.png
