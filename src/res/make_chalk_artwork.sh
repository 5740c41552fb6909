#!/bin/sh
# Draws the two chalk grain textures the pen factory tints per stroke colour.
# Only the alpha channel counts (the colour is replaced when tinting): the
# outer layer is a sparse, rough grain, the inner layer a denser one that
# fills the middle of the stroke. Fixed seeds keep the pictures reproducible.
# Run it from this folder; the results are committed so that a build needs no
# ImageMagick.
set -eu
IM=${IM_CONVERT:-/usr/bin/convert}

# grain <seed> <blur> <black point> <white point> <file>: white grain whose
# opacity is random noise, softened and stretched between the two points.
grain() {
    "$IM" -seed "$1" -size 128x128 xc:gray50 +noise Random -channel G -separate +channel \
        -virtual-pixel tile -blur "0x$2" -level "$3,$4" grain_mask.png
    "$IM" -size 128x128 xc:white grain_mask.png -alpha off -compose CopyOpacity -composite \
        -define png:color-type=6 "$5"
    rm -f grain_mask.png
}
grain 11 0.7 38% 62% live_class_pen_chalk_outner_color0.png
grain 23 0.5 20% 48% live_class_pen_chalk_inner_color0.png
