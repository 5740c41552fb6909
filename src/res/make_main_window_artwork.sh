#!/bin/sh
# Draws the pictures of the main window (avatar, menu entry, course list
# pictures and the teaching-method tags). Run it from this folder after
# changing a colour or size; the results are committed so that a build needs
# no ImageMagick.
set -eu
IM=${IM_CONVERT:-/usr/bin/convert}
FONT=${CJK_FONT:-/usr/share/fonts/truetype/wqy/wqy-microhei.ttc}
BLUE='#3A78E6'

# Default avatar: a light figure in a pale blue circle.
"$IM" -size 320x320 xc:none \
    -fill '#E3ECFB' -draw 'circle 160,160 160,0' \
    -fill '#9DB8EA' -draw 'circle 160,130 160,72' -draw 'ellipse 160,318 104,92 180,360' \
    \( -size 320x320 xc:none -fill white -draw 'circle 160,160 160,1' \) \
    -compose DstIn -composite -resize 160x160 defaultUser.png

# Menu entry of the left bar: three white bars.
"$IM" -size 128x128 xc:none -fill none -stroke white -strokewidth 11 \
    -draw 'stroke-linecap round line 26,36 102,36' \
    -draw 'stroke-linecap round line 26,64 102,64' \
    -draw 'stroke-linecap round line 26,92 102,92' \
    -resize 64x64 live_menu/menu_nav.png

# Refresh entry: an open circle with an arrow head, in the accent colour.
"$IM" -size 128x128 xc:none -fill none -stroke "$BLUE" -strokewidth 12 \
    -draw 'stroke-linecap round arc 22,22 106,106 -30,250' \
    -stroke none -fill "$BLUE" -draw 'polygon 76,8 112,30 74,50' \
    -resize 64x64 flush.png

# Empty list: a calendar page with a blank grid.
"$IM" -size 640x480 xc:none \
    -fill '#E9F0FC' -draw 'ellipse 320,420 230,34 0,360' \
    -fill white -stroke '#C9D8F5' -strokewidth 6 -draw 'roundrectangle 160,90 480,400 28,28' \
    -stroke none -fill '#A9C4F3' -draw 'roundrectangle 163,93 477,170 26,26' -draw 'rectangle 163,140 477,170' \
    -fill "$BLUE" -draw 'roundrectangle 230,60 250,124 10,10' -draw 'roundrectangle 390,60 410,124 10,10' \
    -fill '#DCE6F8' \
    -draw 'roundrectangle 200,200 250,240 8,8' -draw 'roundrectangle 295,200 345,240 8,8' -draw 'roundrectangle 390,200 440,240 8,8' \
    -draw 'roundrectangle 200,270 250,310 8,8' -draw 'roundrectangle 295,270 345,310 8,8' -draw 'roundrectangle 390,270 440,310 8,8' \
    -draw 'roundrectangle 200,340 250,380 8,8' -draw 'roundrectangle 295,340 345,380 8,8' \
    -resize 320x240 no_course.png

# A rounded tag of 88 by 40 with white text on a colour (twice the shown size).
tag() {
    "$IM" -size 88x40 xc:none -fill "$1" -draw 'roundrectangle 0,0 87,39 10,10' \
        -font "$FONT" -pointsize 22 -fill white -gravity center -annotate +0+0 "$2" "$3"
}
tag "$BLUE" '直播' course_tag_teaching_method_live.png
tag '#8E6CEF' '双师' course_tag_teaching_method_dt.png
tag '#16B08A' '面授' course_tag_teaching_method_face_to_face.png
tag '#FF8A3D' 'AI' course_tag_teaching_method_ai.png
tag '#1FA2C8' '录播' course_tag_teaching_method_pseudo_live.png

# Beside "一周讲次": a pale pill that says which days it lists.
"$IM" -size 144x44 xc:none -fill '#E3ECFB' -draw 'roundrectangle 0,0 143,43 22,22' \
    -font "$FONT" -pointsize 22 -fill "$BLUE" -gravity center -annotate +0+0 '未来7天' \
    week_schedules_tips.png
