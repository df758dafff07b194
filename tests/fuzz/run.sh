#!/usr/bin/env bash
# Builds the native unit tests and the fuzz targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (the fuzz targets with libFuzzer) into build/fuzz, runs the unit
# tests, then each fuzz target for a bounded time, starting from the seeds beside this script.
# FUZZ_SECONDS sets the time per target (default 20). A crash leaves its input in build/fuzz and
# fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/build/fuzz
seconds=${FUZZ_SECONDS:-20}

cmake -S "$root" -B "$out" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=Debug -DTAVREL_TESTS=ON -DTAVREL_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all -O1" \
  >/dev/null
cmake --build "$out" -j 2 --target unit_tests xml_escape_fuzz catalogue_fuzz package_fuzz request_fuzz
echo "fuzz: the unit tests with AddressSanitizer and UndefinedBehaviorSanitizer"
"$out/tests/unit/unit_tests" --gtest_brief=1

for name in xml_escape catalogue package request; do
  corpus=$out/corpus-$name
  mkdir -p "$corpus"
  echo "fuzz: $name for ${seconds}s"
  (cd "$out" && "./tests/fuzz/${name}_fuzz" -max_total_time="$seconds" -rss_limit_mb=1024 \
    -max_len=65536 -print_final_stats=1 "$corpus" "$root/tests/fuzz/seeds/$name" 2>&1 |
    grep -E "^(stat::number_of_executed_units|Done|==[0-9]+==ERROR)|SUMMARY" || true)
  # libFuzzer's exit status is lost in the pipe above; a crash leaves a crash- file.
  if ls "$out"/crash-* "$out"/leak-* "$out"/oom-* >/dev/null 2>&1; then
    echo "fuzz: $name found a failing input in $out"
    exit 1
  fi
done
