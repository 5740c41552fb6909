#!/bin/sh
# Draws the pictures of the sign-in and organisation pages: the product mark,
# the sign-in illustration, the three entry backgrounds and the select tag.
# Run it from this folder after changing a colour or size; the results are
# committed so that a build needs no ImageMagick.
set -eu
IM=${IM_CONVERT:-/usr/bin/convert}
BLUE='#3A78E6'

mkdir -p role

# Product mark: a white "V" whose right stroke runs on like a tick, on a
# rounded accent square, with a small dot over the left stroke.
"$IM" -size 512x512 xc:"$BLUE" \
    -fill '#5B8FEC' -draw 'polygon 512,170 512,512 250,512' \
    -fill none -stroke white -strokewidth 58 \
    -draw 'stroke-linecap round stroke-linejoin round polyline 142,196 236,372 386,124' \
    -stroke none -fill '#BFD3F7' -draw 'circle 132,118 132,86' \
    \( -size 512x512 xc:none -fill white -draw 'roundrectangle 16,16 495,495 112,112' \) \
    -compose DstIn -composite \
    -resize 128x128 logo.png

# Sign-in illustration: a lesson on a screen (play button, text lines and a
# small chart) on a pale disc, with a book, a pencil and a speech bubble
# around it.
"$IM" -size 1200x1200 xc:none \
    -fill '#E3ECFB' -draw 'circle 600,620 600,110' \
    -fill '#D3E1F9' -draw 'ellipse 600,1010 360,44 0,360' \
    -fill '#2F5FB8' -draw 'roundrectangle 250,330 950,800 40,40' \
    -fill white -draw 'roundrectangle 280,360 920,770 22,22' \
    -fill "$BLUE" -draw 'roundrectangle 320,400 620,600 18,18' \
    -fill white -draw 'polygon 440,450 440,550 530,500' \
    -fill '#C9D8F5' -draw 'roundrectangle 660,410 880,434 12,12' \
    -draw 'roundrectangle 660,470 840,494 12,12' -draw 'roundrectangle 660,530 860,554 12,12' \
    -fill '#A9C4F3' -draw 'roundrectangle 320,640 880,664 12,12' -draw 'roundrectangle 320,700 700,724 12,12' \
    -fill '#2F5FB8' -draw 'polygon 560,800 640,800 680,930 520,930' \
    -draw 'roundrectangle 440,920 760,960 20,20' \
    -fill '#FFB547' -draw 'roundrectangle 130,760 330,880 14,14' \
    -fill '#FFD08A' -draw 'rectangle 150,780 310,860' \
    -fill '#FFB547' -draw 'rectangle 228,760 232,880' \
    -fill '#19A7A0' -draw 'polygon 890,860 1050,700 1080,730 920,890' \
    -fill '#F6C9A0' -draw 'polygon 890,860 920,890 870,910' \
    -fill white -stroke "$BLUE" -strokewidth 10 -draw 'roundrectangle 800,170 1040,310 34,34' \
    -stroke none -fill white -draw 'polygon 850,300 900,300 840,360' \
    -fill none -stroke "$BLUE" -strokewidth 10 -draw 'line 845,304 840,352' -draw 'line 840,352 900,304' \
    -stroke none -fill "$BLUE" -draw 'circle 870,240 870,224' -draw 'circle 920,240 920,224' -draw 'circle 970,240 970,224' \
    -fill '#8E6CEF' -draw 'circle 200,300 200,270' \
    -fill '#19A7A0' -draw 'circle 1040,520 1040,500' \
    -fill '#FFB547' -draw 'circle 330,210 330,196' \
    -resize 600x600 login_decorate.png

# Entry backgrounds (twice the shown size): a horizontal gradient with two
# translucent rings on the right, cut to a rounded card.
card() {
    "$IM" -size 480x200 -define gradient:direction=east "gradient:$1-$2" \
        -fill none -stroke 'rgba(255,255,255,0.22)' -strokewidth 18 \
        -draw 'circle 440,40 440,130' -draw 'circle 470,210 470,260' \
        -stroke none -fill 'rgba(255,255,255,0.14)' -draw 'circle 360,170 360,146' \
        \( -size 480x200 xc:none -fill white -draw 'roundrectangle 0,0 479,199 24,24' \) \
        -compose DstIn -composite "role/$3"
}
card "$BLUE" '#6E9DF0' role_bg_1.png
card '#14998F' '#3FC6B5' role_bg_2.png
card '#6D54DC' '#9D86F2' role_bg_3.png

# Select tag of the chosen entry: a white badge with an accent tick.
"$IM" -size 96x96 xc:none \
    -fill 'rgba(0,0,0,0.12)' -draw 'circle 48,51 48,6' \
    -fill white -draw 'circle 48,48 48,4' \
    -fill none -stroke "$BLUE" -strokewidth 10 \
    -draw 'stroke-linecap round stroke-linejoin round polyline 27,50 42,65 70,33' \
    -resize 48x48 role/role_select_tag.png
