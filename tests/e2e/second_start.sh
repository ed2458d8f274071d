#!/bin/bash
# One console per data folder. A second start on a folder in use shows its
# message, touches no file and exits non-zero, while the first runs on and at its
# end leaves squawk.txt as it had it. The lock of a killed run is taken over, also
# when the folder comes from VELLARO_DATA.
set -u

bin=${1:?usage: second_start.sh path/to/vellaro}
source "$(dirname "$0")/common.bash"
[ -x "$bin" ] || fail "no program at $bin"
need_tools Xvfb xdpyinfo xdotool
start_xvfb

# The letter index without its sign blank: only the first console's shut-down
# writes it back with one. The start-up retrieval fails on the closed port, which
# may or may not have counted as a new observation by the time the console ends;
# the station stays either way.
printf '4651\r\n4712\r\nEDDB\r\n5\r\n' >"$data/squawk.txt"
# Present, so the start-up retrieval shows no creation notice.
printf 'EDDT 08L 08R\r\nEDDT 26R 26L\r\n' >"$data/rwy.txt"

# Names, sizes and modification times of everything in the data folder.
snapshot() {
    find "$data" -printf '%p %s %T@\n' | sort
}
# Starts the program in the background; its pid ends up in started.
start() {
    local log=$1
    shift
    "$@" >"$work/$log.out" 2>"$work/$log.err" &
    started=$!
    started_pids+=("$started")
}

start first "$bin" --data "$data"
first=$started
window_of "$first" '^Vellaro - Berlin' >/dev/null || { cat "$work/first.err" >&2; fail "the first console did not come up"; }
before=$(snapshot)

start second "$bin" --data "$data"
second=$started
box=$(window_of "$second" '^Vellaro$') || { cat "$work/second.err" >&2; fail "the second start showed no message box"; }
grep -q "already running" "$work/second.err" || { cat "$work/second.err" >&2; fail "no English line on standard error"; }
xdotool windowfocus --sync "$box" key Return
wait_exit "$second" || fail "the second start did not end after its message was confirmed"
[ "$exit_status" -ne 0 ] || fail "the second start ended with status 0"
echo "second start refused with status $exit_status"
[ "$(snapshot)" = "$before" ] || { diff <(echo "$before") <(snapshot) >&2; fail "the second start touched the data folder"; }

kill -0 "$first" 2>/dev/null || fail "the first console ended"
kill -TERM "$first"
wait_exit "$first" || fail "the first console did not end within 10 s of SIGTERM"
[ "$exit_status" -eq 0 ] || { cat "$work/first.err" >&2; fail "the first console ended with status $exit_status"; }
squawk_saved() {
    local f=$data/squawk.txt
    head -n 3 "$f" | cmp -s - <(printf '4651\r\n4712\r\nEDDB\r\n') && [ "$(wc -l <"$f")" -eq 4 ] &&
        tail -n 1 "$f" | grep -qE $'^ [0-9]+\r$'
}
squawk_saved || { od -c "$data/squawk.txt" >&2; fail "squawk.txt is not as the first console left it"; }
[ -e "$data/vellaro.lock" ] && fail "vellaro.lock was left behind"

# A run killed outright leaves its lock; the next start takes it over.
start crashed "$bin" --data "$data"
crashed=$started
window_of "$crashed" '^Vellaro - Berlin' >/dev/null || fail "the console to be killed did not come up"
kill -KILL "$crashed"
wait "$crashed" 2>/dev/null
[ -e "$data/vellaro.lock" ] || fail "the killed run left no lock to take over"
start next env VELLARO_DATA="$data" "$bin"
next=$started
window_of "$next" '^Vellaro - Berlin' >/dev/null || { cat "$work/next.err" >&2; fail "the start after a killed run did not come up"; }
kill -TERM "$next"
wait_exit "$next" || fail "the console after the killed run did not end within 10 s of SIGTERM"
[ "$exit_status" -eq 0 ] || fail "the console after the killed run ended with status $exit_status"
[ -e "$data/vellaro.lock" ] && fail "vellaro.lock was left behind"
echo "PASS"
exit 0
