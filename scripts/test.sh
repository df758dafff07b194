#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests, then the Windows build's tests
# under Wine (unit, Win32 behaviour and end to end with the real server and real clients). Each
# step prints a line when it starts and its duration when it ends.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/progress.sh"
start=$SECONDS
jobs=$(nproc)
"$root/scripts/setup.sh"

native_build() {
  cmake -S "$root" -B "$root/build/native" -G Ninja >/dev/null
  cmake --build "$root/build/native" -j "$jobs"
}
step "test: native build" native_build
step "test: native unit tests" ctest --test-dir "$root/build/native" -j "$jobs" --output-on-failure
step "test: sanitized unit tests and fuzzing" "$root/tests/fuzz/run.sh"

"$root/scripts/build-windows.sh"
wine_tests() {  # then, pass or fail, the test programs Wine failed to start at the first try
  local status=0 retries=$root/build/mingw/wine-start-retries.log
  ctest --test-dir "$root/build/mingw" -j "$jobs" --output-on-failure --timeout 300 || status=$?
  echo "test: starts of a test program that Wine failed and that were tried again:" \
    "$( (wc -l <"$retries") 2>/dev/null || echo 0)"
  [ ! -s "$retries" ] || sed 's/^/   /' "$retries"
  return "$status"
}
step "test: Windows tests under Wine" wine_tests
step "test: Windows tests under Wine 10" "$root/scripts/wine10-tests.sh" -j "$jobs"
echo "test: everything passed in $(duration $((SECONDS - start)))"
