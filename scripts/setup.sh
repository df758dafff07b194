#!/usr/bin/env bash
# Installs what the build and the tests need, then cross-builds the Windows dependencies
# (libzip, pugixml) from Debian's source packages into a prefix. Idempotent: installed packages
# and finished builds are reused. TAVREL_DEPS_DIR moves the prefix (default build/deps).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps=${TAVREL_DEPS_DIR:-$root/build/deps}
. "$root/scripts/progress.sh"

packages=(
  cmake ninja-build g++ googletest libgtest-dev dpkg-dev clang-format
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev
  wine wine64 libwine-dev xvfb xdotool x11-utils imagemagick
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
  libzip-dev libpugixml-dev zip unzip pkg-config 7zip clang libclang-rt-14-dev
  wine32:i386 g++-mingw-w64-i686-posix wixl msitools mmdebstrap
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# apt's own lines (several per package) are summed up: how many packages it has fetched and set
# up, every 10 s and at the end; its warnings and errors are passed on.
apt_summary() {
  local line total='?' got=0 set_up=0 last=$SECONDS
  while IFS= read -r line; do
    case $line in
      *" newly installed, "*) total=$(sed -n 's/.* upgraded, \([0-9]*\) newly installed.*/\1/p' <<<"$line") ;;
      Get:*) got=$((got + 1)) ;;
      "Setting up "*) set_up=$((set_up + 1)) ;;
      E:* | W:*) echo "   $line" ;;
    esac
    if ((SECONDS - last >= 10)); then
      echo "   apt: $got fetched, $set_up of $total set up"
      last=$SECONDS
    fi
  done
  echo "   apt: $got fetched, $set_up of $total set up"
}
install_packages() {
  apt-get install -y --no-install-recommends -o Dpkg::Use-Pty=0 "${missing[@]}" 2>&1 | apt_summary
}
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  # 32-bit Wine (for the 32-bit clients under test) comes from the i386 architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  step "setup: apt-get update" apt-get update -qq
  step "setup: installing ${missing[*]} and what they need" install_packages
fi

prefix=$deps/prefix
toolchain=$root/cmake/mingw-w64-x86_64.cmake
mkdir -p "$deps"

# fetch_source PACKAGE: unpacks Debian's source package PACKAGE under $deps/src.
# apt checks every file it downloads against the hashes in the Sources index, which is signed by
# the archive (the same check as for binary packages). dpkg-source's own check would look for the
# uploader's signature on the .dsc in the Debian developers' keyring, which is not installed, and
# only warn: it is skipped (--no-check).
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
      dpkg-source --no-check -x "$pkg"_*.dsc >/dev/null)
  fi
}

# cross_build PACKAGE CMAKE-OPTIONS...: configures, builds and installs into $prefix once.
cross_build() {
  local pkg=$1; shift
  [ -f "$deps/$pkg.done" ] && return
  step "setup: fetching Debian's source package $pkg" fetch_source "$pkg"
  local src; src=$(ls -d "$deps/src/$pkg"-*/ | head -n 1)
  step "setup: configuring $pkg" configure_quietly "$src" "$deps/build-$pkg" "$@"
  step "setup: cross-building $pkg" build_quietly "$deps/build-$pkg"
  cmake --install "$deps/build-$pkg" >/dev/null
  touch "$deps/$pkg.done"
}

configure_quietly() {  # SOURCE BUILD CMAKE-OPTIONS...
  local src=$1 build=$2; shift 2
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
    -Wno-dev --no-warn-unused-cli "$@" >/dev/null
}

# A dependency's build shows its progress ([12/120] ...) and errors, not its compiler warnings,
# which are its maintainers' business.
build_quietly() {
  cmake --build "$1" -j 2 2>&1 | awk '/^\[[0-9]+\/[0-9]+\]|error|FAILED/ { print; fflush() }'
}

cross_build libzip -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF -DENABLE_OPENSSL=OFF \
  -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_COMMONCRYPTO=OFF -DENABLE_WINDOWS_CRYPTO=ON \
  -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF \
  -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include
cross_build pugixml -DPUGIXML_BUILD_TESTS=OFF
echo "setup: ready (dependencies in $prefix)"
