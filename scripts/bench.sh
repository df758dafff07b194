#!/usr/bin/env bash
# Benchmark of the server's own work in a request under Wine: a small data package and one with
# 10,000 choice lines and a 32,767-entry catalogue, each against its floor (the same libraries
# doing the least a request needs). Prints the medians of 21 rounds, each case's ratio to its
# floor, and the private bytes of the large case. Then the time from a request to the chooser
# painted, each round a fresh process, against a bare window with the same list, on a private
# virtual display; and the private bytes and modules of the server at rest, holding one object for
# its client. Exits non-zero when any round fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/mingw
prefix=${TAVREL_WINEPREFIX:-$root/build/wineprefix}
"$root/scripts/setup.sh" >/dev/null
"$root/scripts/build-windows.sh" >/dev/null
# Windows need a display: the build's own, so that nothing appears on the user's screen.
"$root/tests/support/xvfb.sh" start "$build" "$prefix"
trap '"$root/tests/support/xvfb.sh" stop "$build" "$prefix"' EXIT
# The server at rest is measured through COM: the build's server is the registered one.
"$build/wine-emu.sh" "$build/bin/TavrelCommander.exe" /RegServer

# The server at rest, started through COM for one object its client holds. Wine reports no
# private bytes of another process: the server's anonymous resident memory stands in, read on
# the Linux side while the object is held.
server_at_rest() {
  local out holder pid found=0
  out=$(mktemp)
  "$build/wine-emu.sh" "$build/bench/Programs/request_bench.exe" --hold-server 5 >"$out" &
  holder=$!
  for _ in $(seq 200); do grep -q '^server idle' "$out" && break; sleep 0.1; done
  tr -d '\r' <"$out"
  for pid in $(pgrep -f 'TavrelCommander\.exe'); do
    tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qx "WINEPREFIX=$prefix" || continue
    awk '/^(RssAnon|VmSwap):/ { private += $2 } /^VmRSS:/ { rss = $2 }
      END { printf "server idle, one object held: private bytes %.1f MiB (anonymous resident and swapped), resident %.1f MiB\n", private / 1024, rss / 1024 }' \
      "/proc/$pid/status"
    found=1
  done
  rm -f "$out"
  [ "$found" = 1 ] || echo "server idle: FAILED: no server process of this prefix found"
  wait "$holder" && [ "$found" = 1 ]
}

echo "load: $(uptime)"
status=0
"$build/wine-emu.sh" "$build/bench/Programs/request_bench.exe" "$@" || status=$?
server_at_rest || status=$?
if [ "$status" -ne 0 ]; then
  echo "bench: FAILED (exit status $status)" >&2
fi
exit "$status"
