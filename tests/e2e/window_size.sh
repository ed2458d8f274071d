#!/bin/bash
# The real program on its own X server: the main window must come up 748 x 117
# pixels (11220 x 1760 twips) at x 138, y 0 on a 1024 pixel wide screen. There is
# no window manager, so there is no frame. Then it is asked to end and must do so.
set -u

bin=${1:?usage: window_size.sh path/to/vellaro}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ -x "$bin" ] || fail "no program at $bin"
for tool in Xvfb xwininfo xdpyinfo; do
    command -v "$tool" >/dev/null || fail "$tool is missing (packages xvfb and x11-utils)"
done

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill -KILL "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it out once it is ready, so
# runs side by side never meet on one display.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display=
for _ in $(seq 1 100); do
    n=$(tr -dc '0-9' <"$work/display" 2>/dev/null)
    if [ -n "$n" ] && xdpyinfo -display ":$n" >/dev/null 2>&1; then
        display=":$n"
        break
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[ -n "$display" ] || { cat "$work/xvfb.log" >&2; fail "Xvfb did not come up"; }

DISPLAY=$display QT_QPA_PLATFORM= "$bin" >"$work/app.log" 2>&1 &
app_pid=$!

expected="748x117+138+0"
geometry=
for _ in $(seq 1 150); do
    kill -0 "$app_pid" 2>/dev/null || { cat "$work/app.log" >&2; fail "vellaro ended on its own"; }
    line=$(xwininfo -root -tree -display "$display" 2>/dev/null | grep '"Vellaro - Berlin' | head -1)
    if [ -n "$line" ]; then
        id=$(echo "$line" | awk '{print $1}')
        if xwininfo -id "$id" -display "$display" 2>/dev/null | grep -q 'IsViewable'; then
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
for _ in $(seq 1 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "vellaro did not end within 10 s of SIGTERM"
wait "$app_pid"
status=$?
app_pid=
[ "$status" -eq 0 ] || { cat "$work/app.log" >&2; fail "vellaro ended with status $status"; }
echo "PASS"
exit 0
