#!/usr/bin/env bash
# Configures (only the first time: the build itself re-runs CMake when a CMakeLists.txt changed)
# and builds into build/ (or $BUILD_DIR): everything, or only the targets named.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
targets=()
for target in "$@"; do
    targets+=(--target "$target")
done
cmake --build "$build_dir" --parallel "$(nproc)" "${targets[@]}"
