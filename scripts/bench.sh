#!/usr/bin/env bash
# Benchmark of the server's own work in a request under Wine: a small data package and one with
# 10,000 choice lines and a 32,767-entry catalogue, each against its floor (the same libraries
# doing the least a request needs). Prints the medians of 21 rounds, each case's ratio to its
# floor, and the private bytes of the large case.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" >/dev/null
"$root/scripts/build-windows.sh" >/dev/null
"$root/build/mingw/wine-emu.sh" "$root/build/mingw/bench/Programs/request_bench.exe" "$@"
