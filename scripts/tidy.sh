#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over every source compiled in a build
# folder (the tests, fuzz targets and tools too); any warning fails.
#   scripts/tidy.sh [BUILD_DIR]      default build/debug
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/debug}"
[ -f "$build/compile_commands.json" ] || { echo "no compile_commands.json in $build" >&2; exit 2; }
log=$(mktemp)
tidy=
# Under set -e a failing kill (clang-tidy already gone) would end the trap, and the
# script, with status 1: it must not count.
trap 'if [ -n "$tidy" ]; then kill "$tidy" 2>/dev/null || true; fi; rm -f "$log"' EXIT
# Our sources only: generated ones (moc) are Qt's.
sources="^$PWD/(src|tests|fuzz|tools|bench)/"
files=$(python3 -c "import json,sys,re; print(len({e['file'] for e in json.load(open(sys.argv[1])) if re.match(sys.argv[2], e['file'])}))" \
    "$build/compile_commands.json" "$sources")
echo "clang-tidy: $files files"
status=0
# .clang-tidy makes every warning an error; a warning that slips through fails too.
# Unbuffered, the log shows each file's command line as soon as the file is done.
PYTHONUNBUFFERED=1 run-clang-tidy -p "$build" -j "$(nproc)" -quiet "$sources" >"$log" 2>&1 &
tidy=$!
# A quarter of an hour without a word looks like a hang: say how far it is.
ticks=0
while kill -0 "$tidy" 2>/dev/null; do
    sleep 1
    ticks=$((ticks + 1))
    if [ $((ticks % 30)) -eq 0 ]; then
        echo "clang-tidy: $(grep -cE '^[^ ]*clang-tidy[^ ]* ' "$log") of $files files done"
    fi
done
wait "$tidy" || status=$?
if grep -E 'warning:|error:' "$log" | sort -u; then
    status=1
fi
if [ "$status" -eq 0 ]; then
    echo "clang-tidy: $files files, clean"
else
    echo "clang-tidy: $files files, findings above" >&2
fi
exit "$status"
