#!/bin/sh
# Draws the pictures of the shape menu's picture shapes (the protractor, the
# physics apparatus and the chemistry glassware): each picture is pasted on
# the board as "shape_image_<name>.png" and shown in the menu, smaller, as
# "shape_<name>.png". The drawn shapes' icons come from the shapes themselves
# (make_shape_icons in the test build; give its path as SHAPE_ICONS to draw
# them again). Run it from this folder after changing a drawing; the results
# and the list shape_res.qrc are committed so that a build needs no
# ImageMagick.
set -eu
IM=${IM_CONVERT:-convert}
INK='#3C4650'
GLASS='#E6F0FA'
LIQUID='#9CC7F0'
METAL='#A8B2BC'
WOOD='#D2A86E'
RED='#E05050'
BLUE='#3A78E6'
RUBBER='#5A4A42'
STYLE="stroke '$INK' stroke-width 4 fill none stroke-linecap round stroke-linejoin round font DejaVu-Sans-Bold"

# pic folder name [icon name]: the drawing (MVG on stdin, 160 x 160) as the
# picture, and scaled to menu size as the icon.
pic() {
    "$IM" -size 160x160 xc:none -draw "$STYLE
$(cat)" -strip "$1/shape_image_$2.png"
    "$IM" "$1/shape_image_$2.png" -resize 64x64 -strip "$1/shape_${3:-$2}.png"
}

# Lines of MVG: "line" primitives from awk output.
ticks() { # cx cy r1 r2 fromDeg toDeg stepDeg
    awk -v cx="$1" -v cy="$2" -v r1="$3" -v r2="$4" -v a0="$5" -v a1="$6" -v st="$7" 'BEGIN {
        for (a = a0; a <= a1; a += st) { t = a * 3.14159265 / 180
            printf "line %.1f,%.1f %.1f,%.1f\n", cx + r1 * cos(t), cy - r1 * sin(t), cx + r2 * cos(t), cy - r2 * sin(t) } }'
}

M=math/instruments_and_form
P1=physics/mechanics
P2=physics/optical
P3=physics/electromagnetism
C=chemistry/test_instruments
mkdir -p $M $P1 $P2 $P3 $C

{ echo "fill '#F6EDB4' path 'M 8 120 A 72 72 0 0 1 152 120 Z'"
  echo "fill none path 'M 44 120 A 36 36 0 0 1 116 120'"
  echo "stroke-width 2"; ticks 80 120 60 72 0 180 10; ticks 80 120 64 72 5 175 10
  echo "stroke-width 3 line 80,120 80,108 circle 80,120 83,120"; } | pic $M anglemeter image_anglemeter_icon

# --- Mechanics
pic $P1 slider <<M
line 10,130 150,130
stroke-width 2 line 20,130 12,142 line 40,130 32,142 line 60,130 52,142 line 80,130 72,142 line 100,130 92,142 line 120,130 112,142 line 140,130 132,142
stroke-width 4 fill '$WOOD' rectangle 45,80 115,130
M
pic $P1 libra <<M
fill '$METAL' rectangle 45,134 115,146
line 80,134 80,42 line 22,46 138,46
fill '$INK' circle 80,44 80,49
fill none line 30,46 18,96 line 30,46 42,96 line 130,46 118,96 line 130,46 142,96
fill '$METAL' path 'M 12 96 Q 30 116 48 96 Z' path 'M 112 96 Q 130 116 148 96 Z'
M
weight() { # name label half-width height
    pic $P1 "$1" <<M
fill none circle 80,$((138 - $4 - 10)) 80,$((138 - $4 - 3))
fill '$METAL' path 'M $((80 - $3)) 138 L $((80 - $3 + 6)) $((138 - $4)) L $((80 + $3 - 6)) $((138 - $4)) L $((80 + $3)) 138 Z'
stroke none fill '$INK' font-size $((10 + $3 / 3)) gravity center text 0,$((69 - $4 / 2)) '$2'
M
}
weight weight5 5g 20 30
weight weight10 10g 24 36
weight weight20 20g 28 44
weight weight50 50g 34 54
weight weight100 100g 40 66
weight weight200 200g 48 80
pic $P1 roller1 <<M
line 30,14 130,14 stroke-width 2 line 40,14 32,6 line 60,14 52,6 line 80,14 72,6 line 100,14 92,6 line 120,14 112,6
stroke-width 4 line 80,14 80,52
fill '$METAL' circle 80,74 102,74 fill '$INK' circle 80,74 84,74
fill none line 58,74 58,146 line 102,74 102,112
fill '$WOOD' rectangle 90,112 114,136
M
pic $P1 roller2 <<M
line 30,14 130,14 stroke-width 2 line 40,14 32,6 line 60,14 52,6 line 120,14 112,6
stroke-width 4 line 58,14 58,84 line 102,84 102,6
fill '$METAL' circle 80,84 102,84 fill '$INK' circle 80,84 84,84
fill none line 80,84 80,120
fill '$WOOD' rectangle 66,120 94,146
M
pic $P1 roller3 <<M
line 30,10 130,10 stroke-width 2 line 40,10 32,2 line 120,10 112,2
stroke-width 4 line 80,10 80,26
fill '$METAL' circle 80,44 98,44 fill '$INK' circle 80,44 83,44
fill '$METAL' circle 80,100 98,100 fill '$INK' circle 80,100 83,100
fill none line 62,44 62,100 line 98,44 98,100 line 62,44 40,150
line 80,100 80,124 fill '$WOOD' rectangle 68,124 92,148
M
pic $P1 simple_pendulum <<M
line 40,16 120,16 stroke-width 2 line 50,16 42,8 line 70,16 62,8 line 90,16 82,8 line 110,16 102,8
stroke-dasharray 6 6 line 80,16 80,140 stroke-dasharray none
stroke-width 3 line 80,16 116,114
stroke-width 4 fill '$RED' circle 118,120 130,120
M
pic $P1 lever <<M
line 12,112 148,82
fill '$METAL' path 'M 80 98 L 64 132 L 96 132 Z'
fill none line 40,136 120,136
M
pic $P1 slope <<M
fill '$WOOD' path 'M 12 136 L 148 136 L 148 50 Z'
fill none path 'M 124 136 A 24 24 0 0 0 128 126' line 8,146 152,146
M

# --- Optics
pic $P2 lens_positive <<M
stroke-width 2 stroke-dasharray 6 6 line 6,80 154,80 stroke-dasharray none stroke-width 4
fill '$GLASS' path 'M 80 12 Q 112 80 80 148 Q 48 80 80 12 Z'
M
pic $P2 lens_negative <<M
stroke-width 2 stroke-dasharray 6 6 line 6,80 154,80 stroke-dasharray none stroke-width 4
fill '$GLASS' path 'M 60 12 L 100 12 Q 82 80 100 148 L 60 148 Q 78 80 60 12 Z'
M
pic $P2 ray1 <<M
stroke '$RED' line 14,136 146,24
fill '$RED' path 'M 90 72 L 72 76 L 82 90 Z'
M
pic $P2 ray2 <<M
stroke '$RED' line 12,56 148,56 line 12,104 148,104
fill '$RED' path 'M 90 56 L 74 48 L 74 64 Z' path 'M 90 104 L 74 96 L 74 112 Z'
M

# --- Electromagnetism: circuit symbols and apparatus
coil() { # extra MVG
    pic $P3 "$1" <<M
$2
line 10,80 32,80 line 128,80 150,80
ellipse 40,80 8,28 0,360 ellipse 56,80 8,28 0,360 ellipse 72,80 8,28 0,360 ellipse 88,80 8,28 0,360 ellipse 104,80 8,28 0,360 ellipse 120,80 8,28 0,360
M
}
coil magnetics_coil1 ""
coil magnetics_coil2 "fill '$METAL' rectangle 20,72 140,88 fill none"
pic $P3 magnetics_bar1 <<M
fill '$RED' rectangle 12,60 80,100 fill '$BLUE' rectangle 80,60 148,100
stroke none fill white font-size 28 text 34,92 'N' text 104,92 'S'
M
pic $P3 magnetics_bar2 <<M
fill '$RED' rectangle 60,12 100,80 fill '$BLUE' rectangle 60,80 100,148
stroke none fill white font-size 28 text 70,58 'N' text 71,128 'S'
M
pic $P3 magnetics_bar4 <<M
fill '$RED' path 'M 80 20 L 96 80 L 64 80 Z' fill '$BLUE' path 'M 64 80 L 96 80 L 80 140 Z'
fill white circle 80,80 85,80
M
pic $P3 magnetics_bar3 <<M
fill '$RED' path 'M 20 150 L 20 70 A 60 60 0 0 1 80 10 L 80 42 A 28 28 0 0 0 52 70 L 52 150 Z'
fill '$BLUE' path 'M 80 10 A 60 60 0 0 1 140 70 L 140 150 L 108 150 L 108 70 A 28 28 0 0 0 80 42 Z'
stroke none fill white font-size 22 text 28,144 'N' text 116,144 'S'
M
pic $P3 mag_electron <<M
fill '$METAL' rectangle 20,52 140,72 fill none
ellipse 44,62 7,20 0,360 ellipse 60,62 7,20 0,360 ellipse 76,62 7,20 0,360 ellipse 92,62 7,20 0,360 ellipse 108,62 7,20 0,360
line 44,82 44,124 line 108,82 108,124 line 44,124 68,124 line 108,124 86,124
line 68,108 68,140 stroke-width 7 line 80,116 80,132 stroke-width 4 line 86,124 80,124
M
lead() { echo "line 10,80 ${1:-60},80 line ${2:-100},80 150,80"; }
pic $P3 battery_direct1 <<M
$(lead 74 86)
line 74,44 74,116 stroke-width 9 line 88,62 88,98
M
pic $P3 battery_direct2 <<M
line 10,80 40,80 line 120,80 150,80
line 40,44 40,116 stroke-width 9 line 54,62 54,98 stroke-width 4
stroke-dasharray 6 6 line 60,80 100,80 stroke-dasharray none
line 106,44 106,116 stroke-width 9 line 120,62 120,98
M
pic $P3 battery_alternate <<M
$(lead 48 112)
circle 80,80 112,80 path 'M 62 80 Q 71 62 80 80 Q 89 98 98 80'
M
pic $P3 capacitor <<M
$(lead 70 90)
stroke-width 6 line 70,46 70,114 line 90,46 90,114
M
pic $P3 resistor1 <<M
$(lead 40 120)
fill white rectangle 40,64 120,96
M
pic $P3 resistor2 <<M
$(lead 40 120)
fill white rectangle 40,64 120,96
line 34,124 122,36 fill '$INK' path 'M 130 28 L 110 34 L 124 48 Z'
M
pic $P3 resistor3 <<M
$(lead 40 120)
fill white rectangle 40,64 120,96
line 80,24 80,56 line 80,24 130,24 fill '$INK' path 'M 80 62 L 72 48 L 88 48 Z'
M
pic $P3 resistor4 <<M
fill '$WOOD' rectangle 14,60 146,130 fill '$INK' rectangle 14,52 146,60
fill '$METAL' circle 40,94 54,94 circle 80,94 94,94 circle 120,94 134,94
stroke-width 3 line 40,94 40,84 line 80,94 88,86 line 120,94 112,86
fill '$INK' circle 24,44 28,44 circle 136,44 140,44
M
pic $P3 resistor5 <<M
fill '$METAL' rectangle 22,40 138,48 fill '$WOOD' roundrectangle 22,74 138,112 8,8
stroke-width 2 line 34,74 34,112 line 44,74 44,112 line 54,74 54,112 line 64,74 64,112 line 74,74 74,112 line 84,74 84,112 line 94,74 94,112 line 104,74 104,112 line 114,74 114,112 line 124,74 124,112
stroke-width 4 fill '$INK' rectangle 84,34 100,54 line 92,54 92,74 fill none line 14,56 14,130 line 146,56 146,130 line 10,130 150,130
M
pic $P3 touch_earth <<M
line 80,14 80,84 line 40,84 120,84 line 54,104 106,104 line 68,124 92,124
M
meter() { # name letter
    pic $P3 "$1" <<M
$(lead 48 112)
fill white circle 80,80 112,80
stroke none fill '$INK' font-size 36 gravity center text 0,0 '$2'
M
}
meter current1 A
meter voltage1 V
dial() { # name letter
    pic $P3 "$1" <<M
fill white roundrectangle 14,26 146,134 10,10
path 'M 34 96 A 50 50 0 0 1 126 96' stroke-width 2 $(ticks 80 110 46 54 30 150 15 | tr '\n' ' ')
stroke-width 4 stroke '$RED' line 80,110 106,66 stroke '$INK'
stroke none fill '$INK' font-size 20 text 72,130 '$2'
fill '$RED' circle 34,20 40,20 fill '$INK' circle 126,20 132,20
M
}
dial current2 A
dial voltage2 V
pic $P3 transformer <<M
line 74,20 74,140 line 86,20 86,140
path 'M 20 28 L 40 28 A 10 10 0 0 1 40 48 A 10 10 0 0 1 40 68 A 10 10 0 0 1 40 88 A 10 10 0 0 1 40 108 A 10 10 0 0 1 40 128 L 20 128'
path 'M 140 40 L 120 40 A 10 10 0 0 0 120 60 A 10 10 0 0 0 120 80 A 10 10 0 0 0 120 100 A 10 10 0 0 0 120 120 L 140 120'
M
meter motor M
pic $P3 ring <<M
stroke '$METAL' stroke-width 14 circle 80,80 130,80
stroke '$INK' stroke-width 2 circle 80,80 137,80 circle 80,80 123,80
M
pic $P3 bulb <<M
$(lead 52 108)
circle 80,80 108,80 line 60,60 100,100 line 60,100 100,60
M
pic $P3 buzzer <<M
line 60,14 60,60 line 100,14 100,60
fill white path 'M 36 60 L 124 60 A 44 44 0 0 1 36 60 Z'
M
diode() { # name extra
    pic $P3 "$1" <<M
$(lead 60 100)
fill '$INK' path 'M 60 56 L 60 104 L 96 80 Z' fill none line 98,52 98,108
$2
M
}
diode diode1 ""
diode diode2 "stroke-width 3 line 96,44 116,24 line 108,52 128,32 fill '$INK' path 'M 120 20 L 108 24 L 116 32 Z' path 'M 132 28 L 120 32 L 128 40 Z'"
pic $P3 switch_single_pole <<M
line 10,96 50,96 line 110,96 150,96
fill white circle 50,96 56,96 circle 110,96 116,96
line 55,92 106,60
M
pic $P3 switch_single_pole_double_throw <<M
line 10,80 44,80 line 116,40 150,40 line 116,120 150,120
fill white circle 44,80 50,80 circle 110,40 116,40 circle 110,120 116,120
line 49,77 104,46
M

# --- Chemistry glassware and stands
tube() { echo "fill '$GLASS' path 'M $1 $2 L $1 $3 A $4 $4 0 0 0 $(($1 + 2 * $4)) $3 L $(($1 + 2 * $4)) $2'"; }
pic $C chemistry_acid_drop_pipe <<M
fill '$GLASS' rectangle 72,6 88,118 fill none
stroke-width 2 line 72,20 80,20 line 72,40 80,40 line 72,60 80,60 line 72,80 80,80 line 72,100 80,100
stroke-width 4 fill '$GLASS' path 'M 76 118 L 76 132 L 80 152 L 84 132 L 84 118'
fill '$RED' rectangle 66,122 94,128
M
pic $C chemistry_air_acid_equip <<M
fill '$GLASS' path 'M 66 14 Q 50 40 70 58 L 74 70 L 86 70 L 90 58 Q 110 40 94 14 Z'
fill '$INK' rectangle 72,70 88,76 fill none line 80,76 80,100
fill '$GLASS' path 'M 66 92 L 66 104 L 30 148 L 130 148 L 94 104 L 94 92 Z'
fill '$RUBBER' rectangle 62,88 98,100 fill none line 92,94 140,94 line 140,94 140,130
fill '$LIQUID' path 'M 44 132 L 116 132 L 128 146 L 32 146 Z'
M
pic $C chemistry_air_collector <<M
fill '$GLASS' path 'M 40 26 L 40 146 L 120 146 L 120 26' fill none
fill '$GLASS' rectangle 30,18 130,26
M
pic $C chemistry_air_handler <<M
fill '$GLASS' path 'M 42 40 L 42 146 L 118 146 L 118 40 Z'
fill '$LIQUID' rectangle 44,90 116,144 fill '$RUBBER' rectangle 38,30 122,42
fill none line 64,8 64,120 line 96,8 96,60
M
pic $C chemistry_air_squeezer <<M
fill '$RED' ellipse 70,96 48,44 0,360
fill '$RED' path 'M 112 84 L 152 90 L 152 102 L 112 108 Z'
M
pic $C chemistry_bottle_filter <<M
fill '$GLASS' path 'M 62 60 L 62 84 L 26 148 L 134 148 L 98 84 L 98 60 Z'
fill none line 98,90 138,76
fill '$WOOD' path 'M 46 14 L 114 14 L 110 40 L 86 48 L 86 62 L 74 62 L 74 48 L 50 40 Z'
fill '$RUBBER' rectangle 66,56 94,66
M
pic $C chemistry_bottle <<M
fill '$GLASS' path 'M 46 70 Q 46 56 66 52 L 66 40 L 94 40 L 94 52 Q 114 56 114 70 L 114 146 L 46 146 Z'
fill '$RUBBER' ellipse 80,18 12,14 0,360 fill '$GLASS' rectangle 74,30 86,60 fill '$LIQUID' rectangle 48,100 112,144
M
pic $C chemistry_bottleliquid_filter <<M
fill '$GLASS' path 'M 30 20 L 130 20 L 88 72 L 88 110 L 72 110 L 72 72 Z'
fill '$GLASS' path 'M 36 96 L 36 148 L 124 148 L 124 96' fill '$LIQUID' rectangle 38,126 122,146
fill none line 18,80 60,80 line 60,80 60,150 stroke-dasharray 4 4 line 72,110 60,130
M
pic $C chemistry_cone_bottle <<M
fill '$GLASS' path 'M 66 14 L 66 56 L 26 146 L 134 146 L 94 56 L 94 14'
fill '$LIQUID' path 'M 40 116 L 120 116 L 133 144 L 27 144 Z'
M
pic $C chemistry_downair <<M
fill '$GLASS' path 'M 40 134 L 40 14 L 120 14 L 120 134' fill none
line 80,150 80,30 line 80,150 150,150
M
pic $C chemistry_drop_pipe <<M
fill '$RED' path 'M 64 44 L 64 24 A 16 16 0 0 1 96 24 L 96 44 Z'
fill '$GLASS' path 'M 68 44 L 68 120 L 78 152 L 82 152 L 92 120 L 92 44 Z'
M
pic $C chemistry_ground_pan <<M
fill '$METAL' path 'M 20 74 L 140 74 Q 136 140 80 140 Q 24 140 20 74 Z'
fill none line 56,140 104,140 line 60,150 100,150 line 60,150 64,140 line 100,150 96,140
fill '$WOOD' path 'M 100 20 L 112 26 L 86 96 L 76 92 Z'
M
pic $C chemistry_hard_pipe <<M
fill '$GLASS' rectangle 14,64 146,96
fill '$RUBBER' rectangle 6,60 22,100 rectangle 138,60 154,100
fill '$INK' rectangle 64,74 96,86
M
pic $C chemistry_horn_pipe <<M
fill '$GLASS' path 'M 26 30 L 134 30 Q 92 60 88 96 L 88 150 L 72 150 L 72 96 Q 68 60 26 30 Z'
M
pic $C chemistry_ju_tube <<M
$(tube 64 14 124 16)
fill none line 96,40 140,52
fill '$LIQUID' path 'M 66 110 L 94 110 L 94 124 A 14 14 0 0 1 66 124 Z'
M
pic $C chemistry_longneck_filter <<M
fill '$GLASS' path 'M 44 10 L 116 10 L 86 46 L 86 152 L 74 152 L 74 46 Z'
M
pic $C chemistry_measure_tube <<M
fill '$GLASS' path 'M 62 10 L 62 136 L 98 136 L 98 10 L 104 6'
fill '$GLASS' rectangle 46,136 114,148
fill '$LIQUID' rectangle 64,80 96,134
stroke-width 2 line 62,30 76,30 line 62,50 72,50 line 62,70 76,70 line 62,90 72,90 line 62,110 76,110
M
pic $C chemistry_pan <<M
fill '$GLASS' path 'M 30 30 L 36 36 L 36 146 L 124 146 L 124 36 L 130 30'
fill '$LIQUID' rectangle 38,96 122,144
stroke-width 2 line 36,60 50,60 line 36,80 46,80 line 36,100 50,100 line 36,120 46,120
M
pic $C chemistry_pear_filter <<M
fill '$GLASS' path 'M 72 24 L 72 36 Q 30 60 40 90 Q 50 108 72 112 L 88 112 Q 110 108 120 90 Q 130 60 88 36 L 88 24 Z'
fill '$RUBBER' rectangle 68,10 92,24 fill '$GLASS' rectangle 74,112 86,152
fill '$INK' rectangle 60,124 100,132 fill '$LIQUID' path 'M 46 92 L 114 92 Q 106 106 86 110 L 74 110 Q 54 106 46 92 Z'
M
pic $C chemistry_qipu_generator <<M
fill '$GLASS' ellipse 80,118 52,30 0,360 ellipse 80,66 36,24 0,360
fill '$GLASS' path 'M 62 12 L 98 12 Q 96 30 84 34 L 84 140 L 76 140 L 76 34 Q 64 30 62 12 Z'
fill none line 116,62 146,62 fill '$INK' rectangle 128,54 136,70
M
pic $C chemistry_round_bottle <<M
fill '$GLASS' path 'M 68 12 L 68 58 A 44 44 0 1 0 92 58 L 92 12'
fill '$LIQUID' path 'M 40 118 L 120 118 A 44 44 0 0 1 40 118 Z'
M
pic $C chemistry_slim_bottle <<M
fill '$GLASS' path 'M 46 64 Q 46 50 70 46 L 70 26 L 90 26 L 90 46 Q 114 50 114 64 L 114 146 L 46 146 Z'
fill '$INK' rectangle 66,12 94,26 fill '$LIQUID' rectangle 48,96 112,144
M
pic $C chemistry_solidliquid_air1 <<M
$(tube 54 36 126 20)
fill '$RUBBER' rectangle 50,26 98,44 fill none line 74,16 74,70 line 74,16 148,16 line 148,16 148,60
fill '$INK' circle 64,134 68,134 circle 84,130 88,130
M
pic $C chemistry_solidliquid_air2 <<M
fill '$GLASS' path 'M 66 40 L 66 64 L 26 148 L 134 148 L 94 64 L 94 40'
fill '$RUBBER' rectangle 62,34 98,48
fill '$GLASS' path 'M 50 6 L 90 6 L 74 24 L 74 132 L 66 132 L 66 24 Z'
fill none line 88,40 88,20 line 88,20 148,20 line 148,20 148,70
M
pic $C chemistry_solidsolid_air <<M
fill '$GLASS' path 'M 112 64 L 28 92 A 12 12 0 0 0 36 114 L 120 86 Z'
fill '$RUBBER' path 'M 110 60 L 126 56 L 132 80 L 116 86 Z' fill none line 124,70 152,62 line 152,62 152,120
fill '$GLASS' path 'M 44 150 L 48 128 L 82 128 L 86 150 Z' fill '$RED' path 'M 60 128 Q 58 116 65 104 Q 72 116 70 128 Z'
M
pic $C chemistry_surface_pan <<M
fill '$GLASS' path 'M 14 70 Q 80 120 146 70 Q 80 104 14 70 Z'
M
pic $C chemistry_threeneck_bottle <<M
fill '$GLASS' path 'M 70 10 L 70 52 L 52 58 L 40 30 L 28 34 L 40 68 A 44 44 0 1 0 120 68 L 132 34 L 120 30 L 108 58 L 90 52 L 90 10 Z'
fill '$LIQUID' path 'M 38 116 L 122 116 A 44 44 0 0 1 38 116 Z'
M
pic $C chemistry_triangle_filter <<M
fill '$GLASS' path 'M 22 30 L 138 30 L 88 90 L 88 150 L 72 150 L 72 90 Z'
fill none stroke-width 2 stroke-dasharray 4 4 line 40,38 80,86 line 120,38 80,86
M
pic $C chemistry_tube <<M
$(tube 64 12 124 16)
M
pic $C chemistry_upair <<M
fill '$GLASS' path 'M 40 26 L 40 146 L 120 146 L 120 26' fill none
line 80,10 80,132 line 80,10 150,10
M
pic $C chemistry_upipe <<M
fill none path 'M 44 20 L 44 104 A 36 36 0 0 0 116 104 L 116 20'
path 'M 60 20 L 60 104 A 20 20 0 0 0 100 104 L 100 20'
M
pic $C chemistry_vapor_bottle <<M
fill '$GLASS' path 'M 68 18 L 68 64 A 40 40 0 1 0 92 64 L 92 18'
fill '$RUBBER' rectangle 64,10 96,22 fill none line 92,38 152,62
fill '$LIQUID' path 'M 44 120 L 116 120 A 40 40 0 0 1 44 120 Z'
M
pic $C chemistry_vapor_pan <<M
fill '$GLASS' path 'M 14 64 L 146 64 Q 140 124 80 124 Q 20 124 14 64 Z'
fill '$LIQUID' path 'M 24 88 L 136 88 Q 124 118 80 118 Q 36 118 24 88 Z'
M
pic $C chemistry_volume_bottle <<M
fill '$GLASS' path 'M 72 12 L 72 92 Q 34 104 34 128 Q 36 148 80 148 Q 124 148 126 128 Q 126 104 88 92 L 88 12'
fill none stroke-width 2 line 72,46 88,46
fill '$LIQUID' path 'M 38 126 L 122 126 Q 122 144 80 144 Q 38 144 38 126 Z'
M
pic $C chemistry_volume_upipe <<M
fill none path 'M 44 20 L 44 104 A 36 36 0 0 0 116 104 L 116 20'
path 'M 60 30 L 60 104 A 20 20 0 0 0 100 104 L 100 30'
line 44,36 16,36 line 116,36 144,36
fill '$RUBBER' rectangle 40,14 64,30 rectangle 96,14 120,30
M
pic $C chemistry_washair <<M
fill '$GLASS' path 'M 40 40 L 40 146 L 120 146 L 120 40 Z'
fill '$LIQUID' rectangle 42,80 118,144 fill '$RUBBER' rectangle 36,30 124,42
fill none line 62,10 62,130 line 62,10 20,10 line 98,10 98,56 line 98,10 140,10
M
pic $C chemistry_wide_bottle <<M
fill '$GLASS' path 'M 38 56 Q 38 44 52 42 L 52 28 L 108 28 L 108 42 Q 122 44 122 56 L 122 146 L 38 146 Z'
fill '$INK' rectangle 48,16 112,28
M
lamp() { echo "fill '$GLASS' path 'M 50 100 Q 30 150 50 150 L 110 150 Q 130 150 110 100 Z' fill '$LIQUID' path 'M 42 124 L 118 124 Q 126 148 110 148 L 50 148 Q 34 148 42 124 Z' fill '$METAL' rectangle 70,86 90,100 fill none line 80,86 80,74"; }
pic $C chemistry_alcohol_lamp1 <<M
$(lamp)
fill '$GLASS' path 'M 64 100 L 64 66 Q 80 50 96 66 L 96 100 Z'
M
pic $C chemistry_alcohol_lamp2 <<M
$(lamp)
fill '$RED' path 'M 80 74 Q 60 50 80 14 Q 100 50 80 74 Z' fill '#F6C84C' path 'M 80 72 Q 72 56 80 40 Q 88 56 80 72 Z'
M
pic $C chemistry_alcohol_lamp3 <<M
$(lamp)
fill '$GLASS' path 'M 104 60 L 104 26 Q 120 10 136 26 L 136 60 Z'
M
pic $C chemistry_board_drop <<M
fill white roundrectangle 10,46 150,114 10,10
fill '$GLASS' circle 36,66 46,66 circle 68,66 78,66 circle 100,66 110,66 circle 132,66 140,66
circle 36,96 46,96 circle 68,96 78,96 circle 100,96 110,96 circle 132,96 140,96
M
pic $C chemistry_dryer_duct <<M
fill '$GLASS' path 'M 14 74 L 40 74 L 40 62 Q 60 50 78 64 L 146 64 L 146 96 L 78 96 Q 60 110 40 98 L 40 86 L 14 86 Z'
fill '$INK' circle 94,80 97,80 circle 108,76 111,76 circle 122,84 125,84 circle 134,76 137,76
M
pic $C chemistry_dryer_round <<M
fill '$GLASS' path 'M 24 60 L 32 148 L 128 148 L 136 60 Z'
fill '$GLASS' path 'M 16 60 Q 80 6 144 60 Z' fill '$INK' rectangle 70,22 90,34
fill none line 30,104 130,104 fill '$METAL' rectangle 36,120 124,146
M
pic $C chemistry_duct_901 <<M
path 'M 40 20 L 40 120 L 140 120'
M
pic $C chemistry_duct_902 <<M
path 'M 20 30 L 20 120 L 140 120 L 140 60'
M
pic $C chemistry_duct_ducttape <<M
line 10,80 60,80 stroke '$RUBBER' stroke-width 14 path 'M 56 80 Q 80 50 104 80' stroke '$INK' stroke-width 4 line 100,80 150,80
M
pic $C chemistry_duct_rubber <<M
fill '$RUBBER' path 'M 46 70 L 114 70 L 104 130 L 56 130 Z'
fill none line 80,14 80,150
M
pic $C chemistry_duct_straight <<M
line 80,10 80,150
M
pic $C chemistry_duct_t <<M
line 14,50 146,50 line 80,50 80,150
M
pic $C chemistry_duct_y <<M
path 'M 30 14 L 80 80 L 130 14' line 80,80 80,150
M
pic $C chemistry_ducttape <<M
stroke '$RUBBER' stroke-width 12 path 'M 20 130 Q 20 40 80 80 Q 140 120 140 30'
M
pic $C chemistry_net_asbestos <<M
fill '$METAL' rectangle 14,14 146,146
stroke-width 1 line 34,14 34,146 line 54,14 54,146 line 74,14 74,146 line 94,14 94,146 line 114,14 114,146 line 134,14 134,146
line 14,34 146,34 line 14,54 146,54 line 14,74 146,74 line 14,94 146,94 line 14,114 146,114 line 14,134 146,134
stroke-width 4 fill white circle 80,80 120,80
M
pic $C chemistry_pan_plier <<M
fill none path 'M 20 140 Q 60 80 108 50 Q 120 40 128 20' path 'M 32 148 Q 72 92 116 60 Q 132 52 146 34'
fill none circle 134,28 144,28
M
pic $C chemistry_plier <<M
path 'M 30 150 L 70 20 L 90 20 L 130 150'
fill '$INK' rectangle 66,14 94,24
M
pic $C chemistry_slice_glass <<M
fill '$GLASS' path 'M 10 96 L 110 60 L 150 74 L 50 110 Z'
M
pic $C chemistry_spoon <<M
fill '$METAL' ellipse 40,80 22,14 0,360 rectangle 60,76 124,84 ellipse 132,80 14,9 0,360
M
pic $C chemistry_stick_glass <<M
fill '$GLASS' roundrectangle 20,74 140,86 6,6
M
stand() { echo "fill '$METAL' rectangle 14,136 120,148 fill none line 34,136 34,10"; }
pic $C chemistry_table_circle <<M
$(stand)
line 34,60 66,60 ellipse 96,60 30,8 0,360
M
pic $C chemistry_table_plier <<M
$(stand)
line 34,50 96,50 fill '$RUBBER' rectangle 96,42 120,58 fill none
$(tube 100 30 110 8)
M
pic $C chemistry_triangle_earth <<M
path 'M 30 126 L 80 38 L 130 126 Z'
stroke '$WOOD' stroke-width 12 line 42,118 78,56 line 118,118 82,56 line 46,126 114,126
stroke '$INK' stroke-width 4 line 80,38 80,14 line 30,126 12,140 line 130,126 148,140
M
pic $C chemistry_tube_long <<M
$(tube 70 6 138 10)
M
pic $C chemistry_tube_plier <<M
fill '$WOOD' path 'M 12 90 L 120 80 L 120 96 L 12 100 Z' path 'M 12 104 L 120 104 L 120 118 L 12 110 Z'
fill '$METAL' rectangle 40,84 52,114 fill none path 'M 120 80 Q 150 98 120 118'
M
pic $C chemistry_water_plier <<M
fill none path 'M 20 60 L 120 60 Q 150 80 120 100 L 20 100'
fill '$METAL' rectangle 60,54 72,106
M

# The drawn shapes' icons, on a data folder of their own.
if [ -n "${SHAPE_ICONS:-}" ]; then
    data=$(mktemp -d)
    XDG_DATA_HOME=$data QT_QPA_PLATFORM=offscreen "$SHAPE_ICONS" . > /dev/null 2>&1
    rm -rf "$data"
fi

# Every picture and icon of the catalogue, under "/res/".
{
    echo '<RCC>'
    echo '    <qresource prefix="/res">'
    find math physics chemistry -name '*.png' | LC_ALL=C sort | sed 's|.*|        <file>&</file>|'
    echo '    </qresource>'
    echo '</RCC>'
} > shape_res.qrc
