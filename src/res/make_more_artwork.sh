#!/bin/sh
# Draws the icons of the "更多" menu (settings, change of role, management
# system, about, sign-out, new version). Run it from this folder after
# changing a colour or size; the results are committed so that a build needs
# no ImageMagick.
set -eu
IM=${IM_CONVERT:-/usr/bin/convert}
BLUE='#3A78E6'

# Every icon is drawn at 128 by 128 as strokes of one width and scaled to 64.
icon() {
    out=$1
    shift
    "$IM" -size 128x128 xc:none -fill none -stroke "$BLUE" -strokewidth 10 "$@" -resize 64x64 "$out"
}

# Settings: a gear of eight teeth with a hole.
gear=$(awk 'BEGIN {
    pi = atan2(0, -1); s = ""
    for (k = 0; k < 32; k++) {
        # Four points per tooth: two on the outer radius, two on the inner.
        r = (k % 4 < 2) ? 56 : 42
        a = (k + 0.5) * 2 * pi / 32
        s = s sprintf("%.1f,%.1f ", 64 + r * cos(a), 64 + r * sin(a))
    }
    print s
}')
"$IM" -size 128x128 xc:none -fill "$BLUE" -draw "polygon $gear" \
    \( -size 128x128 xc:none -fill black -draw 'circle 64,64 64,46' \) \
    -compose DstOut -composite -resize 64x64 setting.png

# Change of role: two arrows running opposite ways.
icon ic_role_change.png \
    -draw 'stroke-linecap round line 20,44 104,44' \
    -draw 'stroke-linecap round stroke-linejoin round polyline 82,22 104,44 82,66' \
    -draw 'stroke-linecap round line 24,84 108,84' \
    -draw 'stroke-linecap round stroke-linejoin round polyline 46,62 24,84 46,106'

# Management system: a browser window with its title bar and two panes.
icon ic_manager_system.png \
    -draw 'roundrectangle 14,20 114,108 12,12' \
    -draw 'line 14,46 114,46' \
    -draw 'line 46,46 46,108' \
    -stroke none -fill "$BLUE" -draw 'circle 30,33 30,28' -draw 'circle 46,33 46,28'

# About: an "i" in a ring.
icon about.png \
    -draw 'circle 64,64 64,10' \
    -draw 'stroke-linecap round line 64,56 64,92' \
    -stroke none -fill "$BLUE" -draw 'circle 64,38 64,31'

# Sign-out: the power sign.
icon exit.png \
    -draw 'stroke-linecap round arc 18,22 110,114 -50,230' \
    -draw 'stroke-linecap round line 64,12 64,62'

# New version: an arrow pointing up out of a tray.
icon upgrade.png \
    -draw 'stroke-linecap round line 64,16 64,84' \
    -draw 'stroke-linecap round stroke-linejoin round polyline 38,42 64,16 90,42' \
    -draw 'stroke-linecap round stroke-linejoin round polyline 16,78 16,110 112,110 112,78'
