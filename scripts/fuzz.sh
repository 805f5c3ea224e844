#!/usr/bin/env bash
# Builds the parsers' libFuzzer targets with clang and runs each for a bounded time
# (FUZZ_SECONDS, default 20), seeded with files kelvoctl writes. Needs build/bin/kelvoctl.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-20}
fuzz_dir=${FUZZ_BUILD_DIR:-build-fuzz}
kelvoctl=${BUILD_DIR:-build}/bin/kelvoctl

cmake -S . -B "$fuzz_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVO_FUZZERS=ON \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$fuzz_dir" --parallel "$(nproc)" --target fuzz_configfile fuzz_configjson

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
mkdir -p "$corpus/file" "$corpus/json"
"$kelvoctl" new "$corpus/file/defaults.cfgkv"
"$kelvoctl" export "$corpus/file/defaults.cfgkv" -o "$corpus/json/defaults.json"

for target in configfile configjson; do
    seeds="$corpus/file"
    [ "$target" = configjson ] && seeds="$corpus/json"
    log="$corpus/$target.log"
    echo "fuzzing $target for ${seconds}s"
    if ! "$fuzz_dir/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 \
        -print_final_stats=1 "$seeds" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$target found a problem"
        exit 1
    fi
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log"
done
