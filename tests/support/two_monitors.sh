#!/usr/bin/env bash
# start BUILD_DIR [WINEPREFIX]: starts two private X displays of two monitors each (Xorg's dummy
#   driver, two RandR outputs), the second monitor right of the primary on one and left of it on
#   the other, and writes their numbers to BUILD_DIR/two-monitors-right.display and
#   two-monitors-left.display.
# stop BUILD_DIR [WINEPREFIX]: ends the Wine session of WINEPREFIX, then both displays.
# -sharevts -novtswitch: the server stays on the current virtual terminal and never switches the
# console. -noreset: the pointer stays where a test put it when a client disconnects.
set -u
cmd=$1 dir=$2 prefix=${3:-}
config=$(dirname "$0")/two-monitors-xorg.conf
case $cmd in
  start)
    "$0" stop "$dir"
    for side in right left; do
      exec 3>"$dir/two-monitors-$side.display"
      Xorg -displayfd 3 -config "$config" \
        -logfile "$dir/two-monitors-$side.log" -nolisten tcp -noreset -sharevts -novtswitch \
        >/dev/null 2>&1 3>&3 &
      echo $! >"$dir/two-monitors-$side.pid"
      exec 3>&-
    done
    for side in right left; do
      for _ in $(seq 300); do [ -s "$dir/two-monitors-$side.display" ] && break; sleep 0.1; done
      [ -s "$dir/two-monitors-$side.display" ] ||
        { echo "Xorg did not start: see $dir/two-monitors-$side.log" >&2; exit 1; }
      # The second output is off until it has a mode and a place beside the first. Wine reads the
      # outputs as the server last probed them: the last xrandr probes them again (without it
      # Wine 8 sees one monitor).
      export DISPLAY=:$(cat "$dir/two-monitors-$side.display")
      { xrandr --addmode DUMMY1 1280x1024 &&
        xrandr --output DUMMY1 --mode 1280x1024 --"$side"-of DUMMY0 && xrandr >/dev/null; } ||
        { echo "xrandr could not add the second monitor" >&2; exit 1; }
    done
    ;;
  stop)
    if [ -n "$prefix" ]; then WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true; fi
    for side in right left; do
      pid_file=$dir/two-monitors-$side.pid
      if [ -f "$pid_file" ]; then kill "$(cat "$pid_file")" 2>/dev/null || true; fi
      rm -f "$pid_file" "$dir/two-monitors-$side.display"
    done
    ;;
esac
