#!/bin/bash
# Started without any display, the program says so in German and English, tells
# how to run it under Xvfb, and ends with status 1 instead of crashing.
set -u
bin=${1:?usage: no_display.sh path/to/vellaro}
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin" 2>&1)
status=$?
fail() {
    echo "FAIL: $*" >&2
    echo "$out" >&2
    exit 1
}
[ "$status" -eq 1 ] || fail "exit status $status, expected 1"
echo "$out" | grep -q "grafische Anzeige" || fail "no German explanation"
echo "$out" | grep -q "graphical display" || fail "no English explanation"
echo "$out" | grep -q "xvfb-run -a" || fail "no hint how to start it under Xvfb"
echo "PASS"
exit 0
