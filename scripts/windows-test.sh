#!/usr/bin/env bash
# Cross-builds the Windows program and its tests, with the libraries of
# scripts/cross-deps.sh, and runs every test under Wine. Run as root on Debian 12.
# Usage: windows-test.sh [build folder, default build-win] [libraries folder,
#        default build-win-deps] [splash picture a Linux build drew; without it
#        the build draws its own]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-win}")
deps=$(realpath -m "${2:-$root/build-win-deps}")
splash=${3:+$(realpath -m "$3")}
jobs=$(nproc)

bash "$root/scripts/cross-deps.sh" "$deps"

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DVS_WINDOWS_PREFIX="$deps/prefix" -DVS_SPLASH_PICTURE="$splash" "${launcher[@]}"

# Until the tests with windows, the test programs (also when the build lists their
# tests) share one Wine server that outlives each of them; otherwise each waits
# for the server and the prefix's services to end, seconds every time. The
# services start here, so that no test's output waits for them either.
export WINEPREFIX=$build/wine-prefix WINEDEBUG=-all
stop_wine() { timeout 60 wineserver -k 2>/dev/null || true; }
trap stop_wine EXIT
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1

cmake --build "$build" -j"$jobs"
ctest --test-dir "$build" --output-on-failure -j"$jobs" -LE wine
stop_wine

# The tests with windows start Wine afresh on an X server of their own each.
ctest --test-dir "$build" --output-on-failure -L wine
