#!/bin/bash
# Where the data lives without --data: the per-user folder, while the build folder
# the program was started from stays untouched; a program folder holding
# squawk.txt keeps its files beside it (a portable copy).
set -u

bin=${1:?usage: data_folder.sh path/to/vellaro}
source "$(dirname "$0")/common.bash"
[ -x "$bin" ] || fail "no program at $bin"
need_tools Xvfb xdpyinfo xdotool
start_xvfb

build=$(dirname "$bin")
export XDG_DATA_HOME="$work/xdg/share"
user="$XDG_DATA_HOME/Vellaro"
unset VELLARO_DATA

# Starts the program, waits for its main window, then ends it as the desktop would.
run_once() {
    local log=$1 id=
    shift
    "$@" >"$work/$log.out" 2>"$work/$log.err" &
    local pid=$!
    started_pids+=("$pid")
    for _ in $(seq 1 150); do
        id=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Vellaro - Berlin' 2>/dev/null | head -1)
        [ -n "$id" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$id" ] || { cat "$work/$log.err" >&2; fail "$log: the console did not come up"; }
    kill -TERM "$pid"
    wait_exit "$pid" || fail "$log: the console did not end within 10 s of SIGTERM"
    [ "$exit_status" -eq 0 ] || { cat "$work/$log.err" >&2; fail "$log: ended with status $exit_status"; }
}

# Everything in the build folder except what the build itself makes later.
build_snapshot() {
    find "$build" -maxdepth 1 -type f ! -name '*.tmp' -printf '%f %s %T@\n' | sort
}

# Per user: the data files are made there. Only services.txt is put in first, so
# that the start-up retrieval goes to the closed local port, not out.
mkdir -p "$user"
cp "$data/services.txt" "$user/"
before=$(build_snapshot)
run_once per-user "$bin"
[ -f "$user/squawk.txt" ] || { ls -la "$user" >&2; fail "no squawk.txt in $user"; }
[ -e "$user/vellaro.lock" ] && fail "vellaro.lock was left behind in $user"
[ "$(build_snapshot)" = "$before" ] || { diff <(echo "$before") <(build_snapshot) >&2; fail "the run wrote into the build folder"; }
echo "per-user folder used: $user"

# Portable: a copy of the program beside its own squawk.txt keeps using that.
rm -rf "$user"
mkdir "$work/portable"
cp "$bin" "$work/portable/vellaro"
cp "$data/services.txt" "$work/portable/"
printf '4651\r\n4712\r\nEDDB\r\n 5\r\n' >"$work/portable/squawk.txt"
run_once portable "$work/portable/vellaro"
[ -e "$user" ] && fail "the portable copy made the per-user folder"
grep -q 4651 "$work/portable/squawk.txt" || fail "the portable copy lost its squawk.txt"
echo "portable copy kept its folder"

# The explicit choice still wins over the portable copy.
run_once explicit "$work/portable/vellaro" --data "$data"
[ -f "$data/squawk.txt" ] || fail "--data was not used"
echo "PASS"
exit 0
