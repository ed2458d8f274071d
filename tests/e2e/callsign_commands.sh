#!/bin/bash
# Callsign box commands in the real program: "555" typed into a callsign box sets the
# window's height for five rows, and "qqq" saves squawk.txt and ends the program.
set -u

bin=${1:?usage: callsign_commands.sh path/to/vellaro}
source "$(dirname "$0")/common.bash"
[ -x "$bin" ] || fail "no program at $bin"
need_tools Xvfb xdpyinfo xdotool
start_xvfb

printf 'cfg Condor CFG\r\n' >"$data/airlines.txt"
# Present, so the start-up retrieval shows no creation notice.
printf 'EDDT 08L 08R\r\nEDDT 26R 26L\r\n' >"$data/rwy.txt"
printf '4651\r\n4712\r\nEDDT\r\n 5\r\n' >"$data/squawk.txt"

"$bin" --data "$data" >"$work/app.log" 2>&1 &
app_pid=$!
started_pids+=("$app_pid")

win=
for _ in $(seq 1 150); do
    kill -0 "$app_pid" 2>/dev/null || { cat "$work/app.log" >&2; fail "vellaro ended on its own"; }
    win=$(xdotool search --onlyvisible --pid "$app_pid" --name '^Vellaro - Berlin' 2>/dev/null | head -1)
    [ -n "$win" ] && break
    sleep 0.1
done
[ -n "$win" ] || fail "no main window within 15 s"

# "DEP" (6720, 105 twips) unfolds the board; then into the callsign box of row 3
# (120, 2940 twips). Pixels are twips / 15.
xdotool mousemove --window "$win" 460 15 click 1
sleep 0.5
xdotool mousemove --window "$win" 40 204 click 1
sleep 0.3
xdotool type --delay 60 555
size=
for _ in $(seq 1 50); do
    size=$(xdotool getwindowgeometry "$win" 2>/dev/null | grep -oE '[0-9]+x[0-9]+$')
    [ "$size" = "748x276" ] && break
    sleep 0.1
done
# 4135 twips high.
[ "$size" = "748x276" ] || fail "after \"555\" the main window is $size, expected 748x276"
xdotool type --delay 60 qqq
wait_exit "$app_pid" || fail "\"qqq\" did not end the program"
[ "$exit_status" -eq 0 ] || { cat "$work/app.log" >&2; fail "vellaro ended with status $exit_status"; }
[ -e "$data/vellaro.lock" ] && fail "vellaro.lock was left behind"
grep -q $'^4712\r$' "$data/squawk.txt" || { od -c "$data/squawk.txt" >&2; fail "squawk.txt was not written back"; }
echo "PASS"
exit 0
