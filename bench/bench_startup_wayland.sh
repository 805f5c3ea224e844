#!/usr/bin/env bash
# bench_startup under a headless weston: the same figures with the program as a Wayland client.
#
# bench_startup_wayland.sh BENCH_STARTUP [RUNS]
set -euo pipefail
if [ $# -lt 1 ]; then
    echo "usage: $0 BENCH_STARTUP [RUNS]" >&2
    exit 2
fi
bench=$1 runs=${2:-40}
command -v weston >/dev/null || {
    echo "weston not found (Debian package weston)" >&2
    exit 1
}
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
socket=kelvo-bench
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --width=1280 \
    --height=1024 --log="$runtime/weston.log" &
weston=$!
trap 'kill $weston 2>/dev/null || true; wait $weston 2>/dev/null || true; rm -rf "$runtime"' EXIT
for _ in $(seq 200); do
    [ -S "$runtime/$socket" ] && break
    sleep 0.05
done
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$bench" "$runs"
