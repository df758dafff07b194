#!/usr/bin/env bash
# Installs what the build and the tests need, then cross-builds the Windows dependencies
# (libzip, pugixml) from Debian's source packages into a prefix. Idempotent: installed packages
# and finished builds are reused. TAVREL_DEPS_DIR moves the prefix (default build/deps).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps=${TAVREL_DEPS_DIR:-$root/build/deps}

packages=(
  cmake ninja-build g++ googletest libgtest-dev dpkg-dev clang-format
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev
  wine wine64 libwine-dev xvfb xdotool x11-utils imagemagick
  libzip-dev libpugixml-dev zip unzip pkg-config 7zip clang libclang-rt-14-dev
  wine32:i386 g++-mingw-w64-i686-posix wixl msitools
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # 32-bit Wine (for the 32-bit clients under test) comes from the i386 architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

prefix=$deps/prefix
toolchain=$root/cmake/mingw-w64-x86_64.cmake
mkdir -p "$deps"

# fetch_source PACKAGE: unpacks Debian's source package PACKAGE under $deps/src and prints its folder.
fetch_source() {
  local pkg=$1 work=$deps/apt
  if ! ls -d "$deps/src/$pkg"-*/ >/dev/null 2>&1; then
    mkdir -p "$work/parts" "$work/lists/partial" "$deps/src"
    for f in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list; do
      [ -f "$f" ] || continue
      case $f in
        *.sources) sed 's/^Types: deb$/Types: deb-src/' "$f" >"$work/parts/$(basename "$f")" ;;
        *) sed -n 's/^deb /deb-src /p' "$f" >"$work/parts/sources.list.list" ;;
      esac
    done
    local opts=(-o "Dir::Etc::sourceparts=$work/parts" -o Dir::Etc::sourcelist=/dev/null
      -o "Dir::State::Lists=$work/lists")
    apt-get "${opts[@]}" update -qq
    (cd "$deps/src" && apt-get "${opts[@]}" source -qq --download-only "$pkg" 2>/dev/null &&
      dpkg-source -x "$pkg"_*.dsc >/dev/null)
  fi
  ls -d "$deps/src/$pkg"-*/ | head -n 1
}

# cross_build PACKAGE CMAKE-OPTIONS...: configures, builds and installs into $prefix once.
cross_build() {
  local pkg=$1; shift
  [ -f "$deps/$pkg.done" ] && return
  local src; src=$(fetch_source "$pkg")
  echo "setup: cross-building $pkg"
  cmake -S "$src" -B "$deps/build-$pkg" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >/dev/null
  cmake --build "$deps/build-$pkg" >/dev/null
  cmake --install "$deps/build-$pkg" >/dev/null
  touch "$deps/$pkg.done"
}

cross_build libzip -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF -DENABLE_OPENSSL=OFF \
  -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_COMMONCRYPTO=OFF -DENABLE_WINDOWS_CRYPTO=ON \
  -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF \
  -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include
cross_build pugixml -DPUGIXML_BUILD_TESTS=OFF
echo "setup: ready (dependencies in $prefix)"
