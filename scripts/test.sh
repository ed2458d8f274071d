#!/usr/bin/env bash
# Installs what is missing, builds Vellaro with its tests and runs them:
#   scripts/test.sh          the behavioural suite on the debug build: unit tests,
#                            scenario files, the Qt front end, the desktop program
#                            under Xvfb. What a contributor runs.
#   scripts/test.sh --full   that, then every other check (what CI runs):
#     2. the test suite again with AddressSanitizer and UndefinedBehaviorSanitizer
#     3. clang-tidy over every source
#     4. the Debian package: built, checked by lintian, unpacked with dpkg -x and
#        started under Xvfb
# With --full every stage runs even when an earlier one failed, and the last line
# counts all checks in ctest's summary form.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
full=0
case "${1:-}" in
--full) full=1 ;;
"") ;;
*)
    echo "usage: scripts/test.sh [--full]" >&2
    exit 2
    ;;
esac
scripts/install-deps.sh || exit 1
jobs=$(nproc)

if [ "$full" -eq 0 ]; then
    scripts/build.sh debug || exit 1
    cd build/debug && exec ctest --output-on-failure --timeout 300 -j "$jobs"
fi

passed=0
failed=0
failures=()
# Adds the counts of a ctest run from its summary line.
count_ctest() {
    local log=$1 stage=$2 line total bad
    line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
    if [ -z "$line" ]; then
        failed=$((failed + 1))
        failures+=("$stage: no test summary")
        return
    fi
    bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
    [ "$bad" -eq 0 ] || failures+=("$stage: $bad of $total tests")
}
# One check that is a single pass or fail.
count_one() {
    local status=$1 stage=$2
    if [ "$status" -eq 0 ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        failures+=("$stage")
    fi
}
# A stage that may go quiet for a while (a long compile or test) says every 50 s
# that it is still at work; clang-tidy counts its files itself.
beat=
heartbeat() {
    local what=$1 began=$SECONDS
    while sleep 50 >/dev/null 2>&1; do
        echo "[$what: still running, $(((SECONDS - began) / 60)) min $(((SECONDS - began) % 60)) s]"
    done
}
stage() {
    [ -z "$beat" ] || kill "$beat" 2>/dev/null
    beat=
    printf '\n==== %s ====\n' "$1"
    if [ -n "${2:-}" ]; then
        heartbeat "$2" &
        beat=$!
    fi
}
logs=$(mktemp -d)
trap '[ -z "$beat" ] || kill "$beat" 2>/dev/null; rm -rf "$logs"' EXIT

stage "1. tests (debug build)" "debug build and tests"
if scripts/build.sh debug; then
    (cd build/debug && ctest --output-on-failure --timeout 300 -j "$jobs") | tee "$logs/debug.log"
    count_ctest "$logs/debug.log" "tests"
else
    count_one 1 "debug build"
fi

stage "2. tests with AddressSanitizer and UndefinedBehaviorSanitizer" "sanitizer build and tests"
if scripts/build.sh asan; then
    # Leaks are reported except inside the system libraries named in the file.
    (cd build/asan &&
        ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1 \
        LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --output-on-failure --timeout 600 -j "$jobs") | tee "$logs/asan.log"
    count_ctest "$logs/asan.log" "sanitizer tests"
else
    count_one 1 "sanitizer build"
fi

stage "3. clang-tidy"
scripts/tidy.sh build/debug
count_one $? "clang-tidy"

stage "4. Debian package" "release build, package and its check"
if deb=$(scripts/package.sh); then
    bash tests/package/check.sh "$deb"
    count_one $? "package check"
else
    count_one 1 "package build"
fi

stage "summary"
for f in "${failures[@]}"; do
    echo "FAILED: $f"
done
# ctest's own summary form, over every stage.
total=$((passed + failed))
percent=$((total > 0 ? 100 * passed / total : 0))
[ "$failed" -eq 0 ] || [ "$percent" -lt 100 ] || percent=99
echo "$percent% tests passed, $failed tests failed out of $total"
[ "$failed" -eq 0 ]
