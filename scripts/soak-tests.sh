#!/usr/bin/env bash
# Runs the Windows build's test suite under Wine N times in a row, as scripts/test.sh runs it, and
# prints how often each test failed, and how often Wine failed to start a test program at the first
# try (the Wine wrapper then starts it again): a test that fails by chance shows up here. Every
# run's full log, with the output of every test that failed, stays in build/soak/run-K.log, and the
# screenshots a failed end-to-end check took beside it (run-K-NAME.png). Exit status 1 when any run
# had a failure.
# --load: a busy loop on every core for as long as the soak runs, as on a machine doing other work.
# -R REGEX: only the tests whose names match (as ctest -R), e.g. to repeat one that failed.
# Usage: scripts/soak-tests.sh N [--load] [-R REGEX]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
usage="usage: scripts/soak-tests.sh N [--load] [-R REGEX]"
runs=${1:?$usage}
shift
load=
only=()
while (($# > 0)); do
  case $1 in
    --load) load=--load ;;
    -R) only=(-R "${2:?$usage}"); shift ;;
    *) echo "$usage" >&2; exit 2 ;;
  esac
  shift
done
logs=$root/build/soak
mkdir -p "$logs"
rm -f "$logs"/run-*

"$root/scripts/build-windows.sh" || exit 1

# The load: one busy loop per core at normal priority, each ended with the soak (and after 6 hours
# at the latest, should the soak itself be killed).
loaders=()
stop_load() { ((${#loaders[@]} == 0)) || kill "${loaders[@]}" 2>/dev/null; wait 2>/dev/null; }
trap stop_load EXIT
if [ -n "$load" ]; then
  for ((core = 0; core < $(nproc); core++)); do
    timeout 6h sh -c 'while :; do :; done' &
    loaders+=($!)
  done
  echo "soak: a busy loop on each of $(nproc) cores while the suite runs"
fi
retries_total=0

declare -A failures  # test name -> runs it failed in
total=0
for ((run = 1; run <= runs; run++)); do
  log=$logs/run-$run.log
  start=$SECONDS
  echo "soak: run $run of $runs started at $(date -u +%H:%M:%S)"
  rm -f "$root"/build/mingw/e2e-*.png
  ctest --test-dir "$root/build/mingw" -j 2 --timeout 300 --output-on-failure "${only[@]}" \
    >"$log" 2>&1
  for shot in "$root"/build/mingw/e2e-*.png; do
    [ ! -e "$shot" ] || mv "$shot" "$logs/run-$run-$(basename "$shot")"
  done
  retries=$( (wc -l <"$root/build/mingw/wine-start-retries.log") 2>/dev/null || echo 0)
  retries_total=$((retries_total + retries))
  tests=$(sed -n 's/.* tests* failed out of \([0-9]*\)$/\1/p' "$log")
  # ctest's summary: "  12 - e2e_trace_test (Failed)" under "The following tests FAILED:".
  failed=$(sed -n '/^The following tests FAILED:/,$ s/^[[:space:]]*[0-9]* - \([^ ]*\) (\(.*\))$/\1 (\2)/p' "$log")
  while read -r name how; do
    [ -n "$name" ] || continue
    failures[$name]+="$run$how "
    total=$((total + 1))
  done <<<"$failed"
  echo "soak: run $run of $runs: ${tests:-?} tests, $(grep -c . <<<"${failed:-}") failed," \
    "$retries starts tried again, $((SECONDS - start)) s${failed:+: $(echo $failed)}"
done

echo "soak: $runs runs${load:+ under load}, $total failures, $retries_total starts of a test" \
  "program that Wine failed and that were tried again"
for name in $(printf '%s\n' "${!failures[@]}" | sort); do
  echo "  $name failed in $(wc -w <<<"${failures[$name]}") of $runs runs: runs ${failures[$name]}"
done
((total == 0)) || echo "soak: the failed tests' output is in $(grep -l '^The following tests FAILED:' \
  "$logs"/run-*.log | tr '\n' ' ')"
[ "$total" -eq 0 ]
