#!/bin/bash
# The whole road from a key in the console to events in another X client. On a
# private Xvfb, the real program runs from a temporary folder, and a test window
# stands where an aircraft target of the ATC client would be. F2 in the wind box
# must click through the target's menu; the typed release "R" must double-click
# the target where F2 was pressed and type "Released" and Enter into it. The
# pointer goes back where it was after each.
set -u
bin=${1:?usage: automation.sh path/to/vellaro path/to/vellaro_xhelper}
helper=${2:?usage: automation.sh path/to/vellaro path/to/vellaro_xhelper}
command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is missing (package xvfb)"; exit 77; }
[ -x "$bin" ] || { echo "FAIL: no program at $bin" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
app_pid=
target_pid=
cleanup() {
    [ -n "$app_pid" ] && kill -KILL "$app_pid" 2>/dev/null
    [ -n "$target_pid" ] && kill "$target_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    for f in app.log target.log; do
        [ -s "$work/$f" ] && { echo "--- $f" >&2; cat "$work/$f" >&2; }
    done
    exit 1
}

Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
    n=$(tr -dc '0-9' <"$work/display" 2>/dev/null)
    [ -n "$n" ] && DISPLAY=":$n" "$helper" act 2>/dev/null && break
    n=
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[ -n "$n" ] || { cat "$work/xvfb.log" >&2; fail "Xvfb did not come up"; }
export DISPLAY=":$n"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

# The program keeps its data beside itself: a copy in a folder of its own, with
# every service on a closed local port and the files that would otherwise be
# created (with a notice in a message box) already there.
app="$work/app"
mkdir "$app"
cp "$bin" "$app/vellaro"
printf 'ivao-metar=http://127.0.0.1:9/metar.php?id={icao}\r\nnoaa-metar=http://127.0.0.1:9/cgi-bin/mgetmetar.pl?cccc={icao}\r\nivao-network-metar=http://127.0.0.1:9/network/metar.asp?id={icao}\r\nwhazzup=http://127.0.0.1:9/whazzup.txt\r\nwhazzup-fallback=http://127.0.0.1:9/whazzup.cgi\r\nupdate=http://127.0.0.1:9/upd.txt\r\npublic-address=http://127.0.0.1:9/ip.php3\r\natc-client=off\r\n' >"$app/services.txt"
printf '5051\r\n5057\r\nEDDT\r\n1\r\n' >"$app/squawk.txt"
printf 'EDDT 08L 08R\r\nEDDT 26R 26L\r\n' >"$app/rwy.txt"
printf 'EDDT\r\nEDDI\r\nEDDB\r\n' >"$app/metar.txt"

"$helper" target 20 200 500 400 >"$work/target.log" 2>&1 &
target_pid=$!
for _ in $(seq 1 50); do
    grep -q '^ready' "$work/target.log" && break
    sleep 0.1
done
grep -q '^ready' "$work/target.log" || fail "the test window did not come up"

"$app/vellaro" --data "$app" >"$work/app.log" 2>&1 &
app_pid=$!
"$helper" act "wait=Vellaro - Berlin" || fail "no console window within 15 s"
# Past the first METAR retrieval at half a second.
sleep 1
kill -0 "$app_pid" 2>/dev/null || fail "vellaro ended on its own"

# Waits until the test window has written N event lines after the first L.
events_after() {
    local from=$1 count=$2
    for _ in $(seq 1 100); do
        [ "$(tail -n +$((from + 1)) "$work/target.log" | wc -l)" -ge "$count" ] && break
        sleep 0.1
    done
    sleep 0.3 # anything more that comes would be one event too many
    tail -n +$((from + 1)) "$work/target.log"
}
expect_events() {
    local got=$1 want=$2 what=$3
    [ "$got" = "$want" ] || fail "$what: the test window got
$got
expected
$want"
}

# The console has the keyboard, the wind box the focus; the pointer rests on the
# target at (100, 300), and F2 is pressed.
mark=$(wc -l <"$work/target.log")
"$helper" act "focus=Vellaro - Berlin" move=170,37 click sleep=300 move=100,300 key=F2 ||
    fail "could not press F2"
got=$(events_after "$mark" 8)
expect_events "$got" "press 1 100 300
release 1 100 300
press 3 100 300
release 3 100 300
press 1 110 305
release 1 110 305
press 1 260 335
release 1 260 335" "F2"
where=$("$helper" act where)
[ "$where" = "100 300" ] || fail "after F2 the pointer is at $where, not back at 100 300"

# The release column lies beyond the window's width until the window is widened
# to 780 pixels (11700 twips); then "R" of click point 1 is pressed.
mark=$(wc -l <"$work/target.log")
"$helper" act "resize=Vellaro - Berlin,780" sleep=300 move=898,11 click || fail "could not press R"
got=$(events_after "$mark" 13)
expect_events "$got" "press 1 100 300
release 1 100 300
press 1 100 300
release 1 100 300
key R
key e
key l
key e
key a
key s
key e
key d
key Return" "the typed release"
where=$("$helper" act where)
[ "$where" = "898 11" ] || fail "after the release the pointer is at $where, not back at 898 11"

kill -TERM "$app_pid"
for _ in $(seq 1 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "vellaro did not end within 10 s of SIGTERM"
wait "$app_pid"
status=$?
app_pid=
[ "$status" -eq 0 ] || fail "vellaro ended with status $status"
echo "PASS"
exit 0
