#!/usr/bin/env bash
# Installs what is missing, builds every test under AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs them offscreen.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
taglund_install "${TAGLUND_PACKAGES[@]}" "${TAGLUND_TEST_PACKAGES[@]}"

jobs=$(nproc)
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAGLUND_SANITIZE=ON \
      -DCMAKE_CXX_FLAGS="-O1" >/dev/null
cmake --build build-asan -j "$jobs"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
ctest --test-dir build-asan --output-on-failure -j "$jobs" "$@"

# Fuzz targets run for a bounded time each, in a clang build of their own.
if [ -x scripts/fuzz.sh ]; then
  scripts/fuzz.sh
fi
