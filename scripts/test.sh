#!/usr/bin/env bash
# Installs what is missing, builds, runs a bounded fuzz run of the parsers of untrusted input,
# then the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
scripts/fuzz.sh
cd "${BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600
