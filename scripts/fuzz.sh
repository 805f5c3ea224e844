#!/usr/bin/env bash
# Builds the parsers' libFuzzer targets with clang (the model library instrumented too) and runs
# each for a bounded time (FUZZ_SECONDS, default 20), seeded with files kelvoctl writes and the
# regression inputs. Needs build/bin/kelvoctl. A finding fails the script and is kept under
# build-fuzz/findings/; add it to tests/fuzz/regressions/<harness>/, named after the bug.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-20}
fuzz_dir=${FUZZ_BUILD_DIR:-build-fuzz}
kelvoctl=${BUILD_DIR:-build}/bin/kelvoctl
harnesses=(configfile configfile_crcfixed configjson paramfile upgradefile showevents)

cmake -S . -B "$fuzz_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVO_FUZZERS=ON \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$fuzz_dir" --parallel "$(nproc)" --target "${harnesses[@]/#/fuzz_}"

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
mkdir -p "$corpus/file" "$corpus/json" "$corpus/params" "$corpus/upgrade" "$corpus/events" \
    "$fuzz_dir/findings"
printf '<ini device="Kelvo">\n <desc>Kelvo parameters file</desc>\n <lang>pl</lang>\n <lang_name>Polski</lang_name>\n</ini>\n' \
    >"$corpus/params/Kelvo.kvi"
"$kelvoctl" new "$corpus/file/defaults.cfgkv"
# A compact seed: the indented export is three times larger and every execution parses it all.
"$kelvoctl" export "$corpus/file/defaults.cfgkv" \
    | sed -e 's/^ *//' -e 's/": /":/' | tr -d '\n' >"$corpus/json/defaults.json"
"$kelvoctl" import "$corpus/json/defaults.json" "$corpus/check.cfgkv" # the seed must be valid

# Short allocation stacks and a small quarantine keep memory (and so time) down.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=2:quarantine_size_mb=16}

for harness in "${harnesses[@]}"; do
    seeds="$corpus/file"
    max_len=16385 # one byte over the largest configuration file read
    if [ "$harness" = configjson ]; then
        seeds="$corpus/json"
        max_len=65536 # above any full compact export (30 to 50 KiB)
    elif [ "$harness" = upgradefile ]; then
        seeds="$corpus/upgrade" # the regression inputs hold a valid file
        max_len=98320 # the reader looks at no more than this
    elif [ "$harness" = paramfile ]; then
        seeds="$corpus/params"
        max_len=65536 # the program reads no larger parameters file
    elif [ "$harness" = showevents ]; then
        seeds="$corpus/events" # the regression inputs hold every kind of event
        max_len=4096 # a file of events is a few lines; longer ones only repeat them
    fi
    mkdir -p "$corpus/$harness"
    cp -r "$seeds"/. "$corpus/$harness/"
    # Regression inputs seed the run too, except decompression bombs: mutants of one inflate
    # megabytes each time and cut the rate tenfold. The replay test still runs them.
    for input in "tests/fuzz/regressions/$harness"/*; do
        case "$(basename "$input")" in
        *bomb*) ;;
        *) cp "$input" "$corpus/$harness/" ;;
        esac
    done
    log="$corpus/$harness.log"
    echo "fuzzing $harness for ${seconds}s"
    if ! "$fuzz_dir/bin/fuzz_$harness" -max_total_time="$seconds" -max_len="$max_len" \
        -rss_limit_mb=1024 -print_final_stats=1 \
        -artifact_prefix="$fuzz_dir/findings/$harness-" "$corpus/$harness" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$harness found a problem: see $fuzz_dir/findings/"
        exit 1
    fi
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log"
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log"
done
