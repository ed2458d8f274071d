#!/bin/bash
# The real program on its own X server: entering a route box opens the SID chart
# window right under the main window, and the shortcut typed next still reaches the
# route box (the chart must not take the keyboard); the strip's log line shows the
# expanded SID.
set -u

bin=${1:?usage: sid_chart.sh path/to/vellaro}
source "$(dirname "$0")/common.bash"
[ -x "$bin" ] || fail "no program at $bin"
need_tools Xvfb xdpyinfo xdotool xwininfo
start_xvfb

# Files present, so no first-start message box gets in the way.
printf '5 g5q GILAS5Q\r\n' >"$data/shortcut.txt"
printf 'EDDT 08L 08R\r\nEDDT 26R 26L\r\n' >"$data/rwy.txt"

"$bin" --data "$data" >"$work/app.log" 2>&1 &
app_pid=$!
started_pids+=("$app_pid")

geometry_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print w "x" h "+" x "+" y}'
}
click_at() {
    xdotool mousemove --sync "$1" "$2" click 1
    sleep 0.3
}

main=$(window_of "$app_pid" '^Vellaro - Berlin') || { cat "$work/app.log" >&2; fail "no main window"; }
sleep 0.5
# No window manager: the window stands at 138, 0 without a frame. "DEP" unfolds it.
click_at $((138 + 476)) 16
# Row 0's route box.
click_at $((138 + 284)) 124
chart=$(window_of "$app_pid" '^SID$') || fail "entering the route box showed no chart window"
geometry=$(geometry_of "$chart")
# Under the unfolded window (top 372), moved up by the 3 pixels that would lie below
# the 768 pixel screen.
[ "$geometry" = "571x399+138+369" ] || fail "chart window is $geometry, expected 571x399+138+369 (west chart under the unfolded window, on the screen)"
echo "chart window $geometry"

xdotool type --delay 80 g5q
sleep 0.5
xdotool search --all --onlyvisible --pid "$app_pid" --name '^SID$' >/dev/null 2>&1 &&
    fail "the chart window stayed open: the shortcut did not reach the route box"
# "Lö" of row 0 logs the strip.
click_at $((138 + 724)) 124
for _ in $(seq 1 50); do
    [ -s "$data/log.txt" ] && break
    sleep 0.1
done
grep -q 'GILAS5Q' "$data/log.txt" 2>/dev/null || { cat "$data/log.txt" >&2 2>/dev/null; fail "the logged strip has no GILAS5Q"; }
echo "route expanded to GILAS5Q"
kill -TERM "$app_pid"
wait_exit "$app_pid" || fail "vellaro did not end within 10 s of SIGTERM"
echo "PASS"
exit 0
