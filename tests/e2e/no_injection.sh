#!/bin/bash
# Where no pointer and keyboard injection can work (no X11 display, as in a
# Wayland session without XWayland), the console still runs, says so once on
# standard error, and ends normally.
set -u
bin=${1:?usage: no_injection.sh path/to/vellaro}
[ -x "$bin" ] || { echo "FAIL: no program at $bin" >&2; exit 1; }

work=$(mktemp -d)
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill -KILL "$app_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    cat "$work/app.log" >&2
    exit 1
}

app="$work/app"
mkdir "$app"
cp "$bin" "$app/vellaro"
printf 'ivao-metar=http://127.0.0.1:9/metar.php?id={icao}\r\nnoaa-metar=http://127.0.0.1:9/cgi-bin/mgetmetar.pl?cccc={icao}\r\nivao-network-metar=http://127.0.0.1:9/network/metar.asp?id={icao}\r\nwhazzup=http://127.0.0.1:9/whazzup.txt\r\nwhazzup-fallback=http://127.0.0.1:9/whazzup.cgi\r\nupdate=http://127.0.0.1:9/upd.txt\r\npublic-address=http://127.0.0.1:9/ip.php3\r\natc-client=off\r\n' >"$app/services.txt"
printf '5051\r\n5057\r\nEDDT\r\n1\r\n' >"$app/squawk.txt"
printf 'EDDT 08L 08R\r\nEDDT 26R 26L\r\n' >"$app/rwy.txt"
printf 'EDDT\r\nEDDI\r\nEDDB\r\n' >"$app/metar.txt"

env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$app/vellaro" --data "$app" \
    >"$work/app.log" 2>&1 &
app_pid=$!
sleep 2
kill -0 "$app_pid" 2>/dev/null || fail "vellaro ended on its own"
[ "$(grep -c 'F1 to F8 and the typed release do nothing' "$work/app.log")" -eq 1 ] ||
    fail "the notice in English is not there exactly once"
[ "$(grep -c 'F1 bis F8' "$work/app.log")" -eq 1 ] ||
    fail "the notice in German is not there exactly once"

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
