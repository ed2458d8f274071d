#!/bin/bash
# The desktop program against a stand-in of the ATC client's local interface on
# 127.0.0.1: the link indicator turns green, F9 in a callsign box fills the row from
# the target selected in the client, "a" writes the target's squawk label, and the
# indicator turns grey when the client goes. The filled row is read back from the
# log line that "Lö" writes (in the log's capitals).
set -u

bin=${1:?usage: atc_client.sh path/to/vellaro path/to/vellaro_xhelper}
helper=${2:?usage: atc_client.sh path/to/vellaro path/to/vellaro_xhelper}
source "$(dirname "$0")/common.bash"
[ -x "$bin" ] || fail "no program at $bin"
need_tools Xvfb xdpyinfo xdotool
start_xvfb

report() {
    for f in app.log atc.log; do
        [ -s "$work/$f" ] && { echo "--- $f" >&2; cat "$work/$f" >&2; }
    done
    fail "$*"
}

# Waits up to 10 s for the stand-in to have been sent the request line.
wait_request() {
    for _ in $(seq 1 100); do
        grep -qxF "$1" "$work/atc.log" && return 0
        sleep 0.1
    done
    report "the client was never sent $1"
}

printf '%s\t%s\n' \
    '#CONN' '#CONN;EDDT_TWR' \
    '#SELTFC' '#SELTFC;DLH4AB;' \
    '#FP;DLH4AB' '#FP;DLH4AB;EDDT;EDDM;FL240;1200;A320;M;I;S;SDFGRWY;240;450;0230;0100;SOGMI T204;' \
    '#TR' '#TR;DLH4AB;BER123' \
    '#TRSQK;BER123' '#TRSQK;BER123;5057' \
    '#LBSQK;DLH4AB;5060' '#LBSQK;DLH4AB;5060' >"$work/answers"
"$helper" atc "$work/answers" >"$work/atc.log" 2>&1 &
atc_pid=$!
started_pids+=("$atc_pid")
port=
for _ in $(seq 1 50); do
    port=$(sed -n 's/^port //p' "$work/atc.log")
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || report "the stand-in did not start"

# The last line for a service wins over common.bash's "off".
printf 'atc-client=127.0.0.1:%s\r\n' "$port" >>"$data/services.txt"
printf 'DLH Lufthansa DLH\r\n' >"$data/airlines.txt"
printf 'EDDT 08L 08R\r\nEDDT 26R 26L\r\n' >"$data/rwy.txt"
printf '4651\r\n5057\r\nEDDT\r\n 5\r\n' >"$data/squawk.txt"

"$bin" --data "$data" >"$work/app.log" 2>&1 &
app_pid=$!
started_pids+=("$app_pid")
win=$(window_of "$app_pid" '^Vellaro - Berlin') || report "no main window within 15 s"
read -r wx wy < <(xdotool getwindowgeometry "$win" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')

# The indicator's lower right corner, clear of its caption (Label28: 10845, 765
# twips, 345 by 240; pixels are twips / 15).
indicator() {
    "$helper" act "pixel=$((wx + 744)),$((wy + 65))"
}
wait_indicator() {
    local colour
    for _ in $(seq 1 50); do
        colour=$(indicator)
        [ "$colour" = "$1" ] && return 0
        sleep 0.1
    done
    report "the link indicator is $colour, expected $1 ($2)"
}

wait_request '#CONN'
wait_indicator 00c000 "link up"
wait_request '#TRSQK;BER123'

# "DEP" unfolds the board; F9 in the callsign box of row 1 (120, 2100 twips).
xdotool mousemove --window "$win" 460 15 click 1
sleep 0.5
xdotool mousemove --window "$win" 40 150 click 1
sleep 0.3
xdotool key F9
wait_request '#FP;DLH4AB'
# "a" in the row's squawk box (4920, 2100): 5057 is BER123's, so the row gets 5060.
xdotool mousemove --window "$win" 340 150 click 1
sleep 0.3
xdotool type a
wait_request '#LBSQK;DLH4AB;5060'
sleep 0.3
# "Lö" of row 1 (10680, 2100) writes the row into log.txt.
xdotool mousemove --window "$win" 724 150 click 1
for _ in $(seq 1 30); do
    [ -s "$data/log.txt" ] && break
    sleep 0.1
done
grep -q '^LUFTHANSA DLH4AB\.\.\.\.  EDDM  \.*  5060' "$data/log.txt" ||
    { cat "$data/log.txt" >&2; report "the row was not filled from the client"; }
grep -q $'^4651\r$' "$data/squawk.txt" && grep -q $'^5061\r$' "$data/squawk.txt" ||
    { od -c "$data/squawk.txt" >&2; report "squawk.txt was not written after the assignment"; }

# The client goes: the indicator turns grey.
kill "$atc_pid"
wait "$atc_pid" 2>/dev/null
wait_indicator a0a0a0 "link down"

xdotool mousemove --window "$win" 40 150 click 1
sleep 0.3
xdotool type --delay 60 qqq
wait_exit "$app_pid" || report "\"qqq\" did not end the program"
[ "$exit_status" -eq 0 ] || report "vellaro ended with status $exit_status"
echo "PASS"
exit 0
