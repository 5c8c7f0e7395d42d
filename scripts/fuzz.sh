#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz, and runs each for a bounded time
# (TAGLUND_FUZZ_SECONDS, default 60). Any crash, hang, leak or sanitizer
# report fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-fuzz
seconds=${TAGLUND_FUZZ_SECONDS:-60}
targets=(rtfreader)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
      -DTAGLUND_FUZZ=ON -DTAGLUND_TESTS=OFF -DTAGLUND_BENCH=OFF -DTAGLUND_SANITIZE=ON \
      -DCMAKE_CXX_FLAGS="-O1" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/fuzz-lsan.supp:print_suppressions=0"

status=0
for t in "${targets[@]}"; do
  corpus=$build/corpus-$t
  mkdir -p "$corpus"
  # Seeds: the RTF test files written by other programs.
  cp tests/core/data/rtf/*.rtf "$corpus/"
  log=$build/fuzz-$t.log
  echo "Fuzzer $t kører i $seconds sekunder (log: $log)"
  if ! "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
       -dict="fuzz/$t.dict" -artifact_prefix="$build/crash-$t-" -print_final_stats=1 \
       "$corpus" >"$log" 2>&1; then
    echo "Fuzzer $t fandt en fejl:"
    tail -n 60 "$log"
    status=1
  elif grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|SUMMARY: ' "$log"; then
    echo "Fuzzer $t rapporterede en fejl:"
    grep -E -A20 'ERROR: |runtime error:' "$log" | head -n 60
    status=1
  else
    grep -E '^stat::number_of_executed_units|^Done ' "$log" || true
  fi
done
exit $status
