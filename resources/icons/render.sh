#!/bin/sh
# Renders every SVG beside this script to a PNG of the same name in the parent directory
# (resources/), where the resource list picks them up. Needs ImageMagick's convert.
# Metadata is stripped so that rendering the same sources again gives identical files.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
for svg in "$here"/*.svg; do
    name=$(basename "$svg" .svg)
    convert -background none "$svg" -strip "PNG32:$here/../$name.png"
    echo "$name.png"
done
