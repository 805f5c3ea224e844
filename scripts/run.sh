#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program: the demo with a simulated controller,
# or with --real the program on the USB bus.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
if [ "${1:-}" = "--real" ]; then
    exec "${BUILD_DIR:-build}/bin/kelvodesk"
fi
exec "${BUILD_DIR:-build}/bin/kelvodesk-demo"
