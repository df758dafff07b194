#!/usr/bin/env bash
# Runs the Windows build's tests (build/mingw, made by build-windows.sh) a second time, under
# Wine 10 from Debian trixie: a second, independent Wine catches what works only by the first
# one's accident. Arguments are passed to ctest.
#
# The trixie tree is made once under build/trixie (mmdebstrap, from the Debian archive this
# machine's apt uses) and reused. The checkout is bound into it at its own path, so the build
# tree's absolute paths hold there, and build/wine10-prefix takes the place of build/wineprefix
# (the two Wines keep separate prefixes). Whatever is mounted is unmounted when the script ends,
# however it ends, so that build/ can be deleted.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/progress.sh"
tree=$root/build/trixie
prefix=$root/build/wine10-prefix
# The tests' tools, cmake for ctest, and the X server with the dummy driver for two monitors.
packages=wine,wine64,wine32:i386,xvfb,xdotool,x11-utils,x11-xserver-utils,zip,unzip
packages+=,inotify-tools,imagemagick,procps,cmake,wixl,msitools
packages+=,xserver-xorg-core,xserver-xorg-video-dummy
# A test that cannot pass under Wine 10 for a reason of Wine's own is named here (a ctest regular
# expression) and in the README, with the evidence. None is today.
skip=

# The Debian archive this machine's apt uses (the first one that is not the security archive).
mirror() {
  local uri
  uri=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null | sed -n 's/^URIs: *//p' |
    tr ' ' '\n' | grep -v security | head -n 1)
  [ -n "$uri" ] || uri=$(sed -n 's/^deb \(\[[^]]*\] \)\{0,1\}\([^ ]*\) .*/\2/p' \
    /etc/apt/sources.list 2>/dev/null | grep -v security | head -n 1)
  echo "${uri:-http://deb.debian.org/debian}"
}

make_tree() {
  rm -rf "$tree.new"
  mmdebstrap --quiet --variant=apt --architectures=amd64,i386 --include="$packages" \
    trixie "$tree.new" "$(mirror)"
  echo "$packages" >"$tree.new/.tavrel-packages"
  mv "$tree.new" "$tree"
}

# Unmounts everything under the tree, deepest first.
unmount_all() {
  { grep -o " $tree/[^ ]*" /proc/self/mountinfo || true; } | sort -r | while read -r dir; do
    umount "$dir" 2>/dev/null || umount -l "$dir"
  done
}

in_tree() {
  chroot "$tree" env -i HOME=/root LANG=C.UTF-8 PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

[ -f "$tree/.tavrel-packages" ] || step "wine 10: making the Debian trixie tree (once)" make_tree
unmount_all
trap unmount_all EXIT
trap 'exit 130' INT TERM
mount -t proc proc "$tree/proc"
for dir in dev sys; do
  mount --rbind "/$dir" "$tree/$dir"
  mount --make-rslave "$tree/$dir"
done
if [ "$(cat "$tree/.tavrel-packages")" != "$packages" ]; then
  # shellcheck disable=SC2086  # one word a package
  step "wine 10: adding packages to the trixie tree" in_tree apt-get install -y -q \
    --no-install-recommends ${packages//,/ }
  echo "$packages" >"$tree/.tavrel-packages"
fi
mkdir -p "$tree$root"
mount --bind "$root" "$tree$root"
# ctest finds GoogleTest's discovery script in this machine's CMake, where the build tree's
# configuration put it.
modules=$(sed -n 's|^ *include("\(/[^"]*\)/GoogleTestAddTests.cmake").*|\1|p' \
  "$root"/build/mingw/tests/win/*_include.cmake | head -n 1)
if [ -n "$modules" ] && [ ! -d "$tree$modules" ]; then
  mkdir -p "$tree$modules"
  mount --bind -o ro "$modules" "$tree$modules"
fi
in_tree "$root/tests/support/wineprefix.sh" ensure "$prefix"
mkdir -p "$root/build/wineprefix"
mount --bind "$prefix" "$tree$root/build/wineprefix"

in_tree wine --version
in_tree ctest --test-dir "$root/build/mingw" --output-on-failure --timeout 300 \
  ${skip:+-E "$skip"} "$@"
