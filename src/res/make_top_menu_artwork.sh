#!/bin/sh
# Draws the icons of the class page's top menu and its eraser card: 64 x 64
# line pictures in the menu's blue on transparent, greyed where a tool is
# disabled. Run it from this folder after changing a colour or a shape; the
# results are committed so that a build needs no ImageMagick.
set -eu
IM=${IM_CONVERT:-/usr/bin/convert}
BLUE='#3A78E6'
GREY='#B8BEC6'
RED='#F5222D'
DARK='#252729'
OUT=live_menu

# icon file colour draw-commands...: strokes 5 wide, round ends.
icon() {
    file=$1; colour=$2; shift 2
    "$IM" -size 64x64 xc:none -fill none -stroke "$colour" -strokewidth 5 \
        -draw "stroke-linecap round stroke-linejoin round $*" "$OUT/$file"
}
# filled: the same with the shapes filled in the colour.
filled() {
    file=$1; colour=$2; shift 2
    "$IM" -size 64x64 xc:none -fill "$colour" -stroke "$colour" -strokewidth 2 -draw "$*" "$OUT/$file"
}

# Classroom interactions.
icon live_class_fast_track_choice_question_select.png "$BLUE" \
    'circle 32,32 32,8 polyline 20,33 29,42 45,24'
icon live_class_fast_track_multi_choice_question_select.png "$BLUE" \
    'rectangle 8,8 28,28 rectangle 36,36 56,56 polyline 12,18 17,23 25,13 polyline 40,46 45,51 53,41'
icon live_class_fast_track_take_picture_answer_select.png "$BLUE" \
    'roundrectangle 6,16 58,54 6,6 circle 32,35 32,25 line 22,16 26,9 line 26,9 38,9 line 38,9 42,16'
icon live_class_fast_track_count_down.png "$BLUE" \
    'circle 32,36 32,14 line 32,36 32,24 line 32,36 40,40 line 26,6 38,6'
icon live_class_fast_track_random_select.png "$BLUE" \
    'roundrectangle 8,8 56,56 8,8 point 20,20 point 32,32 point 44,44 circle 20,20 22,20 circle 32,32 34,32 circle 44,44 46,44'
icon ic_sign_in.png "$BLUE" \
    'roundrectangle 10,8 54,56 6,6 line 18,20 46,20 line 18,30 38,30 polyline 24,44 30,50 44,36'
icon ic_competitive_answer.png "$BLUE" \
    'polyline 36,6 18,36 32,36 26,58 46,26 32,26 36,6'

# Teaching tools.
filled live_class_fast_track_baffle.png "$BLUE" 'roundrectangle 8,14 56,50 6,6'
icon menu_fuzhi.png "$BLUE" 'roundrectangle 8,8 40,44 4,4 roundrectangle 22,20 56,56 4,4'
icon live_class_writing_tools_menu_screenshot.png "$BLUE" \
    'polyline 16,4 16,48 60,48 polyline 4,16 48,16 48,60'
icon menu_share_screen.png "$BLUE" \
    'roundrectangle 6,10 58,46 4,4 line 24,56 40,56 line 32,46 32,56 polyline 24,30 32,22 40,30 line 32,22 32,38'

# Shapes and pictures.
icon menu_tuxing.png "$BLUE" 'circle 22,22 22,8 rectangle 30,30 56,56 polyline 8,56 20,36 32,56 8,56'
icon menu_insert_picture.png "$BLUE" \
    'roundrectangle 6,10 58,54 6,6 polyline 10,48 26,30 38,42 46,34 56,46 circle 44,22 44,18'

# Writing.
icon menu_dazi.png "$DARK" 'line 14,12 50,12 line 32,12 32,54 line 24,54 40,54'
icon menu_yingbi.png "$DARK" 'polyline 14,50 44,10 54,18 24,58 12,60 14,50'
icon menu_pen.png "$BLUE" 'polyline 32,4 46,30 32,60 18,30 32,4 line 32,30 32,60 circle 32,30 32,27'
icon menu_more_brushes.png "$DARK" 'circle 14,32 14,29 circle 32,32 32,29 circle 50,32 50,29'

# Pointers: an arrow head in four styles.
arrow() { # file fill
    "$IM" -size 64x64 xc:none -fill "$2" -stroke "$DARK" -strokewidth 3 \
        -draw 'polygon 14,6 14,54 26,42 36,60 44,56 34,38 50,38' "$OUT/$1"
}
arrow arrow_1.png white
arrow arrow_2.png "$RED"
arrow arrow_3.png "$BLUE"
arrow arrow_4.png '#FAAD14'

# Clean tools.
icon menu_houtui_enable.png "$DARK" 'polyline 22,12 8,26 22,40 path "M 8,26 L 40,26 A 16,16 0 0 1 40,58 L 28,58"'
icon menu_houtui_disable.png "$GREY" 'polyline 22,12 8,26 22,40 path "M 8,26 L 40,26 A 16,16 0 0 1 40,58 L 28,58"'
icon menu_qianjin_enable.png "$DARK" 'polyline 42,12 56,26 42,40 path "M 56,26 L 24,26 A 16,16 0 0 0 24,58 L 36,58"'
icon menu_qianjin_disable.png "$GREY" 'polyline 42,12 56,26 42,40 path "M 56,26 L 24,26 A 16,16 0 0 0 24,58 L 36,58"'
icon menu_xiangpi.png "$DARK" 'polyline 8,40 34,14 56,36 30,62 18,62 8,52 8,40 line 20,28 42,50'
icon menu_qingchu.png "$DARK" \
    'line 8,14 56,14 polyline 14,14 18,58 46,58 50,14 line 24,6 40,6 line 26,24 26,48 line 38,24 38,48'

# The class group.
icon free_talk_enable.png "$BLUE" 'roundrectangle 22,4 42,38 10,10 path "M 12,30 A 20,20 0 0 0 52,30" line 32,50 32,60'
icon free_talk_disable.png "$GREY" \
    'roundrectangle 22,4 42,38 10,10 path "M 12,30 A 20,20 0 0 0 52,30" line 32,50 32,60 line 8,8 56,56'
icon exit_class.png white 'polyline 28,8 10,8 10,56 28,56 line 24,32 56,32 polyline 44,20 56,32 44,44'

# The eraser card: one eraser, three sizes.
rubber() { # file size
    s=$2
    "$IM" -size 64x64 xc:none -fill '#FFD8DA' -stroke "$DARK" -strokewidth 3 \
        -draw "roundrectangle $((32 - s)),$((32 - s)) $((32 + s)),$((32 + s)) 4,4" "$OUT/$1"
}
rubber rubber1.png 10
rubber rubber2.png 18
rubber rubber3.png 26
