#!/usr/bin/env bash
# Installs what is missing, builds, runs the whole test suite, then a bounded fuzz run of the
# parsers of untrusted input.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
(cd "${BUILD_DIR:-build}" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600)
scripts/fuzz.sh
