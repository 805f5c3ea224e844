#!/bin/sh
# Renders every SVG beside this script to a PNG of the same name in the parent directory
# (resources/), where the resource list picks them up, and to one of twice the size ("@2x"),
# which Qt uses on screens scaled by more than 1. Needs ImageMagick's convert.
# Metadata is stripped so that rendering the same sources again gives identical files.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
for svg in "$here"/*.svg; do
    name=$(basename "$svg" .svg)
    convert -background none "$svg" -strip "PNG32:$here/../$name.png"
    echo "$name.png"
    [ "$name" = kelvodesk ] && continue # the program's icon is installed as SVG as well
    convert -density 192 -background none "$svg" -strip "PNG32:$here/../$name@2x.png"
    echo "$name@2x.png"
done
