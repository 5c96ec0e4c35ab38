#!/usr/bin/env bash
# Builds everything and runs every test and the installed package, then the Windows
# program cross-built and tested under Wine, then the tests again under
# AddressSanitizer (leak check on) and UndefinedBehaviorSanitizer, then each fuzz
# target for a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
# The Debian package, installed with apt, run end to end, removed.
bash scripts/package-test.sh build

# The Windows program, with the splash picture the Linux build drew (the cross
# build need not draw it again).
bash scripts/windows-test.sh build-win build-win-deps build/vostramelsaver.jpg

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVS_SANITIZE=ON -DVS_BUILD_BENCH=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

bash scripts/fuzz.sh "${VS_FUZZ_SECONDS:-60}"
