#!/usr/bin/env bash
# Cross-builds the Windows server, its tools and tests into build/mingw (run setup.sh first).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps=${TAVREL_DEPS_DIR:-$root/build/deps}
. "$root/scripts/progress.sh"
step "build: configuring build/mingw" cmake -S "$root" -B "$root/build/mingw" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DMINGW_DEPS_PREFIX="$deps/prefix"
step "build: compiling build/mingw" cmake --build "$root/build/mingw" -j "$(nproc)"
