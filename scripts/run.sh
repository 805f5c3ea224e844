#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program: kelvodesk when a Kelvo controller
# (USB 16c0:0782) is plugged in, otherwise the demo with a simulated controller. --real starts
# kelvodesk in any case, --demo the demo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

kelvo_attached() {
    local device
    for device in /sys/bus/usb/devices/*; do
        [ -r "$device/idVendor" ] && [ -r "$device/idProduct" ] || continue
        [ "$(cat "$device/idVendor")" = 16c0 ] && [ "$(cat "$device/idProduct")" = 0782 ] && return 0
    done
    return 1
}

case "${1:-}" in
--real) program=kelvodesk ;;
--demo) program=kelvodesk-demo ;;
*)
    if kelvo_attached; then
        program=kelvodesk
    else
        echo "No Kelvo controller on the USB bus: starting the demo with a simulated one."
        program=kelvodesk-demo
    fi
    ;;
esac
build_dir=${BUILD_DIR:-build}
# Only what runs (with its translations), not the tests and benchmarks; and nothing at all when no
# file of the tree changed since this command last built it (even a build with nothing to do
# takes seconds).
stamp=$build_dir/.run-$program
if [ ! -x "$build_dir/bin/$program" ] || [ ! -f "$stamp" ] \
    || [ -n "$(find . \( -path ./.git -o -path "./$build_dir" -o -path ./build \) -prune -o \
        -type f -newer "$stamp" -print -quit)" ]; then
    touch "$stamp.new"
    scripts/build.sh "$program"
    mv "$stamp.new" "$stamp" # files changed during the build count as changed
fi
bin=$(cd "$build_dir/bin" && pwd)
# The program finds its translations and keeps its parameters file in the working directory.
cd "$bin"
exec "$bin/$program"
