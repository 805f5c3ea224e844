#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program: kelvodesk when a Kelvo controller
# (USB 16c0:0782) is plugged in, otherwise the demo with a simulated controller. --real starts
# kelvodesk in any case, --demo the demo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
bin=$(cd "${BUILD_DIR:-build}/bin" && pwd)
# The program finds its translations and keeps its parameters file in the working directory.
cd "$bin"

kelvo_attached() {
    local device
    for device in /sys/bus/usb/devices/*; do
        [ -r "$device/idVendor" ] && [ -r "$device/idProduct" ] || continue
        [ "$(cat "$device/idVendor")" = 16c0 ] && [ "$(cat "$device/idProduct")" = 0782 ] && return 0
    done
    return 1
}

case "${1:-}" in
--real) exec "$bin/kelvodesk" ;;
--demo) exec "$bin/kelvodesk-demo" ;;
esac
if kelvo_attached; then
    exec "$bin/kelvodesk"
fi
echo "No Kelvo controller on the USB bus: starting the demo with a simulated one."
exec "$bin/kelvodesk-demo"
