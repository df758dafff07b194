#!/usr/bin/env bash
# The one Wine prefix of a checkout (build/wineprefix), shared by the tests and the demo.
# ensure PREFIX: makes it once (wineboot) and notes its pristine state in PREFIX/.pristine: the
#   registry files and the list of files under drive_c.
# reset PREFIX: ends the prefix's Wine session and brings it back to that state: the registry as
#   it was, and whatever was added under drive_c removed. Each test run and each demo starts so.
# Files of the pristine prefix that a run changes in place are left as they are; the tests and
# the demo only add files and registry keys.
set -euo pipefail
cmd=$1 prefix=$2
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
pristine=$prefix/.pristine

drive_c_files() { (cd "$prefix/drive_c" && find . -mindepth 1 | LC_ALL=C sort); }

ensure() {
  [ -f "$pristine/files" ] && return
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    [ -f "$pristine/files" ] && exit 0
    echo "wineprefix: creating $prefix (once; about a minute)" >&2
    # A prefix left half made by an interrupted run is made again.
    if [ -e "$prefix" ]; then
      [ -f "$prefix/system.reg" ] || { echo "wineprefix: $prefix is not a Wine prefix" >&2; exit 1; }
      rm -rf "$prefix"
    fi
    wineboot -i </dev/null >/dev/null 2>&1 9>&-
    # Without a window manager, destroying a managed window stalls for seconds.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 9>&-
    wineserver -w
    mkdir -p "$pristine.new"
    cp "$prefix"/*.reg "$pristine.new/"
    drive_c_files >"$pristine.new/files"
    mv "$pristine.new" "$pristine"
  ) 9>"$prefix.lock"
}

reset() {
  ensure
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
  cp "$pristine"/*.reg "$prefix/"
  LC_ALL=C comm -23 <(drive_c_files) "$pristine/files" | while IFS= read -r path; do
    rm -rf "${prefix:?}/drive_c/$path"
  done
}

case $cmd in
  ensure) ensure ;;
  reset) reset ;;
  *) echo "usage: wineprefix.sh ensure|reset PREFIX" >&2; exit 2 ;;
esac
