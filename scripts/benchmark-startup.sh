#!/usr/bin/env bash
# Start-up time and peak memory of vellaro against a bare Qt window of the same
# size built against the same Qt, side by side under Xvfb (no window manager):
# PAIRS alternating runs each (default 15), medians and their ratios. The data
# files are present and every service points at a closed local port. Not a test:
# the numbers depend on the machine.
#   scripts/benchmark-startup.sh [PAIRS]
set -euo pipefail
cd "$(dirname "$0")/.."
pairs=${1:-15}
build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELLARO_TESTS=OFF -DVELLARO_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target vellaro vellaro_bare_window vellaro_startup_probe >/dev/null

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -noreset 5>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
    n=$(tr -dc '0-9' <"$work/display" 2>/dev/null || true)
    [ -n "$n" ] && xdpyinfo -display ":$n" >/dev/null 2>&1 && break
    sleep 0.1
done
export DISPLAY=":$n"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

data="$work/data"
mkdir "$data"
for service in ivao-metar noaa-metar ivao-network-metar whazzup whazzup-fallback update \
    public-address; do
    printf '%s=http://127.0.0.1:9/%s?id={icao}\r\n' "$service" "$service"
done >"$data/services.txt"
# One run first, so every data file with built-in contents exists; it is then
# left to the timed runs.
"$build/vellaro_startup_probe" "$build/vellaro" --data "$data" >/dev/null

probe="$build/vellaro_startup_probe"
: >"$work/vellaro" && : >"$work/bare"
for i in $(seq 1 "$pairs"); do
    "$probe" "$build/vellaro" --data "$data" >>"$work/vellaro"
    "$probe" "$build/vellaro_bare_window" 748 117 >>"$work/bare"
done

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
vt=$(cut -d' ' -f1 "$work/vellaro" | median)
bt=$(cut -d' ' -f1 "$work/bare" | median)
vm=$(cut -d' ' -f2 "$work/vellaro" | median)
bm=$(cut -d' ' -f2 "$work/bare" | median)
awk -v vt="$vt" -v bt="$bt" -v vm="$vm" -v bm="$bm" -v n="$pairs" 'BEGIN {
    printf "median of %d pairs     vellaro    bare window   ratio\n", n
    printf "start to mapped (ms)   %7.1f    %7.1f       %.2f\n", vt, bt, vt / bt
    printf "peak memory (MiB)      %7.1f    %7.1f       %.2f\n", vm / 1024, bm / 1024, vm / bm
}'
