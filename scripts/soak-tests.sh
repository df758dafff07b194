#!/usr/bin/env bash
# Runs the Windows build's test suite under Wine N times in a row, as scripts/test.sh runs it, and
# prints how often each test failed: a test that fails by chance shows up here. Every run's full
# log stays in build/soak/run-K.log. Exit status 1 when any run had a failure.
# Usage: scripts/soak-tests.sh N
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:?usage: scripts/soak-tests.sh N}
logs=$root/build/soak
mkdir -p "$logs"
rm -f "$logs"/run-*.log

"$root/scripts/build-windows.sh" || exit 1

declare -A failures  # test name -> runs it failed in
total=0
for ((run = 1; run <= runs; run++)); do
  log=$logs/run-$run.log
  start=$SECONDS
  echo "soak: run $run of $runs started at $(date -u +%H:%M:%S)"
  ctest --test-dir "$root/build/mingw" -j 2 --timeout 300 >"$log" 2>&1
  tests=$(sed -n 's/.* tests* failed out of \([0-9]*\)$/\1/p' "$log")
  # ctest's summary: "  12 - e2e_pipeline_test (Failed)" under "The following tests FAILED:".
  failed=$(sed -n '/^The following tests FAILED:/,$ s/^[[:space:]]*[0-9]* - \([^ ]*\) (\(.*\))$/\1 (\2)/p' "$log")
  while read -r name how; do
    [ -n "$name" ] || continue
    failures[$name]+="$run$how "
    total=$((total + 1))
  done <<<"$failed"
  echo "soak: run $run of $runs: ${tests:-?} tests, $(grep -c . <<<"${failed:-}") failed," \
    "$((SECONDS - start)) s${failed:+: $(echo $failed)}"
done

echo "soak: $runs runs, $total failures"
for name in $(printf '%s\n' "${!failures[@]}" | sort); do
  echo "  $name failed in $(wc -w <<<"${failures[$name]}") of $runs runs: runs ${failures[$name]}"
done
[ "$total" -eq 0 ]
