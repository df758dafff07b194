#!/usr/bin/env bash
# start BUILD_DIR [WINEPREFIX]: starts a private virtual display and writes its number to
#   BUILD_DIR/xvfb.display.
# stop BUILD_DIR [WINEPREFIX]: ends that display, and first the Wine session of WINEPREFIX.
# -noreset: without it the server resets whenever its last client disconnects, and the pointer
# jumps back to the middle of the screen between two programs that use it.
set -u
cmd=$1 dir=$2 prefix=${3:-}
case $cmd in
  start)
    "$0" stop "$dir" "$prefix"
    rm -f "$dir/wine-start-retries.log"  # the Wine wrapper's retries count per test run
    exec 3>"$dir/xvfb.display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 3>&3 &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 100); do [ -s "$dir/xvfb.display" ] && break; sleep 0.1; done
    [ -s "$dir/xvfb.display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    ;;
  stop)
    if [ -n "$prefix" ]; then WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true; fi
    if [ -f "$dir/xvfb.pid" ]; then kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true; fi
    rm -f "$dir/xvfb.pid" "$dir/xvfb.display"
    ;;
esac
