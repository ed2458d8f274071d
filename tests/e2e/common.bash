# Shared by the end-to-end scripts (sourced, not a test itself). Every run gets a
# fresh work folder with a data folder whose services.txt points every service at
# a closed port on 127.0.0.1 and switches the link to the ATC client off, so the
# program writes nothing into the build tree and reaches no outside host.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Exit status 77 tells CTest the test was skipped, not passed.
need_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is missing (scripts/install-deps.sh installs it)" >&2
            exit 77
        fi
    done
}

work=$(mktemp -d)
data="$work/data"
mkdir "$data"
for service in ivao-metar noaa-metar ivao-network-metar whazzup whazzup-fallback update \
    public-address; do
    printf '%s=http://127.0.0.1:9/%s?id={icao}\r\n' "$service" "$service"
done >"$data/services.txt"
printf 'atc-client=off\r\n' >>"$data/services.txt"

# Programs started here, ended at exit; Xvfb last.
started_pids=()
xvfb_pid=
cleanup() {
    local pid
    for pid in "${started_pids[@]}"; do
        kill -KILL "$pid" 2>/dev/null
    done
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Starts Xvfb on a display number it picks itself and sets DISPLAY once it answers,
# so runs side by side never meet on one display.
start_xvfb() {
    local n
    # -noreset: a server that resets when its last client leaves refuses the next
    # one for a moment.
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -noreset 5>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
        n=$(tr -dc '0-9' <"$work/display" 2>/dev/null)
        if [ -n "$n" ] && xdpyinfo -display ":$n" >/dev/null 2>&1; then
            export DISPLAY=":$n"
            unset QT_QPA_PLATFORM WAYLAND_DISPLAY
            return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    cat "$work/xvfb.log" >&2
    fail "Xvfb did not come up"
}

# Waits up to 10 s for a started process to end and puts its exit status into
# exit_status; fails when it is still running.
wait_exit() {
    local pid=$1
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && return 1
    wait "$pid"
    exit_status=$?
}

# Echoes the id of a shown window of the process whose title matches the pattern,
# once there is one (15 s at most).
window_of() {
    local pid=$1 pattern=$2 id
    for _ in $(seq 1 150); do
        kill -0 "$pid" 2>/dev/null || return 1
        id=$(xdotool search --all --onlyvisible --pid "$pid" --name "$pattern" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
