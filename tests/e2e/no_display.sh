#!/bin/bash
# Started without any display, the program says so in German and English, tells
# how to run it under Xvfb, and ends with status 1 instead of crashing.
set -u
bin=${1:?usage: no_display.sh path/to/vellaro}
source "$(dirname "$0")/common.bash"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin" --data "$data" 2>&1)
status=$?
report() {
    echo "$out" >&2
    fail "$@"
}
[ "$status" -eq 1 ] || report "exit status $status, expected 1"
echo "$out" | grep -q "grafische Anzeige" || report "no German explanation"
echo "$out" | grep -q "graphical display" || report "no English explanation"
echo "$out" | grep -q "xvfb-run -a" || report "no hint how to start it under Xvfb"
[ "$(ls -A "$data")" = "services.txt" ] || report "it wrote into its data folder: $(ls -A "$data")"
echo "PASS"
exit 0
