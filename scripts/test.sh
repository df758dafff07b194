#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests, then the Windows build's tests
# under Wine (unit, Win32 behaviour and end to end with the real server and real clients).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
jobs=$(nproc)

cmake -S "$root" -B "$root/build/native" -G Ninja >/dev/null
cmake --build "$root/build/native" -j "$jobs"
ctest --test-dir "$root/build/native" -j "$jobs" --output-on-failure
"$root/tests/fuzz/run.sh"

"$root/scripts/build-windows.sh"
ctest --test-dir "$root/build/mingw" -j "$jobs" --output-on-failure --timeout 300
