#!/bin/sh
# Renders the drawings of this folder into the 16- and 32-pixel PNG files the program loads.
# Needs ImageMagick; run from anywhere: sh resources/icons/svg/render.sh
set -e
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$here/../16" "$here/../32"
for drawing in "$here"/*.svg; do
    name=$(basename "$drawing" .svg)
    convert -background none -density 384 "$drawing" -resize 32x32 -strip "PNG32:$here/../32/$name.png"
    convert -background none -density 384 "$drawing" -resize 16x16 -strip "PNG32:$here/../16/$name.png"
done
