#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a given time, two at a time
# (FUZZ_JOBS to change that).
#   scripts/fuzz.sh [SECONDS] [TARGET...]      default: 600 s, every target
# Corpora grow in build/fuzz/corpus/TARGET, findings land in build/fuzz/findings/TARGET
# (keep each in fuzz/regressions/TARGET once fixed), logs in build/fuzz/logs.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
shift || true
all=(metar whazzup json_feed noaa_raw data_files line_readers scenario)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")

scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

out=build/fuzz
mkdir -p "$out/logs"

run_one() {
  local t="$1" seconds="$2" out="$3"
  local corpus="$out/corpus/$t" findings="$out/findings/$t"
  mkdir -p "$corpus" "$findings"
  local args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192
              -print_final_stats=1 -artifact_prefix="$findings/")
  [ -f "fuzz/dict/$t.dict" ] && args+=(-dict="fuzz/dict/$t.dict")
  local seeds=("fuzz/seeds/$t" "fuzz/regressions/$t")
  [ "$t" = scenario ] && seeds+=(tests/scenarios)
  # The temporary data folders of the console targets go to a folder of their own.
  local tmp
  tmp="$(mktemp -d)"
  TMPDIR="$tmp" "$out/fuzz/fuzz_$t" "${args[@]}" "$corpus" "${seeds[@]}" \
    >"$out/logs/$t.log" 2>&1 || true
  rm -rf "$tmp"
}
export -f run_one
printf '%s\n' "${targets[@]}" | xargs -P "${FUZZ_JOBS:-2}" -I{} bash -c 'run_one "$@"' _ {} "$seconds" "$out"

# One line per target: executions, coverage at the end, findings.
printf '%-13s %12s %8s %8s %9s %s\n' target executions exec/s edges features findings
for t in "${targets[@]}"; do
  log="$out/logs/$t.log"
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  speed=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || true)
  found=$(find "$out/findings/$t" -type f | wc -l)
  printf '%-13s %12s %8s %8s %9s %s\n' "$t" "${runs:-?}" "${speed:-?}" \
    "$(echo "$cov" | awk '{print $2}')" "$(echo "$cov" | awk '{print $4}')" "$found"
done
