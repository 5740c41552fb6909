#!/bin/sh
# Draws the pictures of the student list and its video tiles (default
# avatars, search glass, writing and muted marks, camera-off and left-room
# pictures). Run it from this folder after changing a colour or size; the
# results are committed so that a build needs no ImageMagick.
set -eu
IM=${IM_CONVERT:-/usr/bin/convert}
mkdir -p default_avatar live_student_menu live_menu

# Ten avatars: a light head and shoulders on a coloured disc.
i=0
for colour in '#F5A623' '#4A90E2' '#7ED321' '#BD10E0' '#50E3C2' '#D0021B' '#9013FE' '#F8E71C' '#8B572A' '#417505'; do
    "$IM" -size 128x128 xc:none -fill "$colour" -draw 'circle 64,64 64,2' \
        -fill '#FFFFFFE0' -draw 'circle 64,50 64,28' -draw 'ellipse 64,112 38,30 180,360' \
        -resize 64x64 "default_avatar/default_avatar_$i.png"
    i=$((i + 1))
done

# Magnifying glass for the search field.
"$IM" -size 96x96 xc:none -fill none -stroke '#e0e0e0' -strokewidth 9 -draw 'circle 40,40 40,14' \
    -draw 'stroke-linecap round line 60,60 84,84' -resize 32x32 live_menu/search.png

# A pen on a green disc: the student may write.
"$IM" -size 96x96 xc:none -fill '#2DBE60' -draw 'circle 48,48 48,2' \
    -fill none -stroke white -strokewidth 8 -draw 'stroke-linecap round line 30,66 64,32' \
    -fill white -stroke none -draw 'polygon 24,72 30,58 38,66' -resize 48x48 live_student_menu/live_tip_write.png

# A microphone crossed out on a red disc: the microphone is off.
"$IM" -size 96x96 xc:none -fill '#E64340' -draw 'circle 48,48 48,2' \
    -fill white -draw 'roundrectangle 38,20 58,56 10,10' \
    -fill none -stroke white -strokewidth 5 -draw 'arc 30,34 66,66 0,180' -draw 'line 48,66 48,76' \
    -strokewidth 7 -draw 'stroke-linecap round line 26,24 70,72' -resize 48x48 live_student_menu/live_audio_muted.png

# A camera crossed out on dark grey: the video is off.
"$IM" -size 320x240 xc:'#3C3C3C' -fill '#9A9A9A' -draw 'roundrectangle 100,90 200,150 8,8' \
    -draw 'polygon 200,110 232,92 232,148 200,130' \
    -fill none -stroke '#9A9A9A' -strokewidth 8 -draw 'stroke-linecap round line 100,70 230,170' video_muted.png

# The user left: a grey figure on a dark veil with a small exit arrow.
"$IM" -size 320x240 xc:'#000000B0' -fill '#BBBBBB' -draw 'circle 160,100 160,70' \
    -draw 'ellipse 160,190 55,40 180,360' \
    -fill none -stroke '#ff6321' -strokewidth 8 -draw 'stroke-linecap round line 220,120 262,120' \
    -draw 'stroke-linecap round stroke-linejoin round polyline 248,104 264,120 248,136' live_class_user_offline.png
