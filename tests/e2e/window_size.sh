#!/bin/bash
# The real program on its own X server: the main window must come up 748 x 117
# pixels (11220 x 1760 twips) at x 138, y 0 on a 1024 pixel wide screen. There is
# no window manager, so there is no frame. Then it is asked to end and must do so,
# saving into its data folder.
set -u

bin=${1:?usage: window_size.sh path/to/vellaro}
source "$(dirname "$0")/common.bash"
[ -x "$bin" ] || fail "no program at $bin"
need_tools Xvfb xwininfo xdpyinfo
start_xvfb

"$bin" --data "$data" >"$work/app.log" 2>&1 &
app_pid=$!
started_pids+=("$app_pid")

expected="748x117+138+0"
geometry=
for _ in $(seq 1 150); do
    kill -0 "$app_pid" 2>/dev/null || { cat "$work/app.log" >&2; fail "vellaro ended on its own"; }
    line=$(xwininfo -root -tree 2>/dev/null | grep '"Vellaro - Berlin' | head -1)
    if [ -n "$line" ]; then
        id=$(echo "$line" | awk '{print $1}')
        if xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'; then
            geometry=$(echo "$line" | grep -oE '[0-9]+x[0-9]+[+-][0-9]+[+-][0-9]+' | head -1)
            [ "$geometry" = "$expected" ] && break
        fi
    fi
    sleep 0.1
done
[ -n "$geometry" ] || { cat "$work/app.log" >&2; fail "no shown window captioned \"Vellaro - Berlin ...\" within 15 s"; }
[ "$geometry" = "$expected" ] || fail "main window is $geometry, expected $expected"
echo "main window $geometry"

# Ask it to end, as a session would; it runs its shut-down and leaves with 0.
kill -TERM "$app_pid"
wait_exit "$app_pid" || fail "vellaro did not end within 10 s of SIGTERM"
[ "$exit_status" -eq 0 ] || { cat "$work/app.log" >&2; fail "vellaro ended with status $exit_status"; }
[ -f "$data/squawk.txt" ] || fail "the shut-down wrote no squawk.txt into the data folder"
[ -e "$data/vellaro.lock" ] && fail "vellaro.lock was left behind"
echo "PASS"
exit 0
