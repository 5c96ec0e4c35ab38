#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz (or $VS_FUZZ_BUILD) and runs each
# for the given seconds (default 60), one after another, on a working corpus
# that starts from the build's seeds and keeps what earlier runs found.
# Fails on any crash, leak, timeout or out-of-memory; the input that caused it
# is saved under <build>/fuzz-findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${VS_FUZZ_BUILD:-build-fuzz}

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -DVS_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"

# A file rewritten in place on ext4 waits for its last write to reach the disk
# (milliseconds per input); the targets write each input to a temporary file.
if [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

failed=()
total=0
for target in ini m3u bmp jpeg gif; do
  corpus=$build/fuzz-corpus/$target
  findings=$build/fuzz-findings/$target
  log=$build/fuzz-$target.log
  mkdir -p "$corpus" "$findings"
  cp -n "$build/tests/fuzz/seeds/$target/"* "$corpus/"
  status=0
  "$build/tests/fuzz/fuzz_$target" "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
    -rss_limit_mb=2048 -malloc_limit_mb=1024 -timeout=10 -artifact_prefix="$findings/" \
    >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "fuzz_$target: ${runs:-0} executions, ${rate:-0}/s, exit status $status"
  total=$((total + ${runs:-0}))
  if [ "$status" -ne 0 ]; then
    failed+=("$target")
    grep -E '^(==[0-9]+==ERROR|SUMMARY|Broken promise|artifact_prefix|Test unit written)' \
      "$log" | head -20 || true
    echo "  full log: $log"
  fi
done
echo "total: $total executions"
if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
