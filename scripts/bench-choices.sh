#!/usr/bin/env bash
# Times how long a request takes to show the chooser under Wine when QXAdd.dat holds 10,000
# lines with the document type's group at the end, against the same request with a file of three
# lines, and prints both medians and their ratio. Needs the Windows build (build-windows.sh).
# Usage: scripts/bench-choices.sh [ROUNDS]
set -euo pipefail
root_dir=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-5}
export TAVREL_BUILD=$root_dir/build/mingw TAVREL_WINE=$root_dir/build/mingw/wine-emu.sh
export TAVREL_E2E=$root_dir/tests/e2e
started_display=no
if [ ! -s "$TAVREL_BUILD/xvfb.display" ]; then
  "$root_dir/tests/support/xvfb.sh" start "$TAVREL_BUILD"
  started_display=yes
fi
. "$TAVREL_E2E/lib.sh"
set +u
wine_run "$SERVER" /RegServer

docs=$WINEPREFIX/drive_c/tavrelbm
DOC='C:\tavrelbm\bench.tvrb'
P='C:\tavrelbm\rec.exe'
work=$(wine_run winepath -u "$(wine_run cmd /c echo %TEMP% | tr -d '\r')\\ZV" 2>/dev/null | tr -d '\r')
cleanup() {
  rm -rf "$docs" "$work"
  rm -f "$TAVREL_BUILD"/bin/Bl1.*
  [ "$started_display" = yes ] && "$root_dir/tests/support/xvfb.sh" stop "$TAVREL_BUILD"
  true
}
trap cleanup EXIT
rm -rf "$docs" "$work" && mkdir -p "$docs" "$work"
cp "$TAVREL_BUILD/tests/support/recorder.exe" "$docs/rec.exe"
echo text >"$docs/bench.tvrb"
group=".tvrb|Acme - Alpha|1.0|OK|$P|$P"$'\r\n'".tvrb|Globex - Beta|2.0|OK|$P|$P"

small() { printf '.doc|Other - Thing|1.0|OK|x|x\r\n%s\r\n' "$group" >"$work/QXAdd.dat"; }
large() {
  awk 'BEGIN { for (i = 1; i <= 9998; i++) printf ".k%d|Company %d - Product|1.%d|OK|C:\\p%d.exe|C:\\P%d.EXE\r\n", i, i, i, i, i }' \
    >"$work/QXAdd.dat"
  printf '%s\r\n' "$group" >>"$work/QXAdd.dat"
}

# Milliseconds from sending the request until the chooser is on the screen.
time_to_chooser() {
  rm -f "$TAVREL_BUILD"/bin/Bl1.*
  local start end
  start=$(date +%s%N)
  wine_run "$BIN/qxh1_client.exe" 8 open "$DOC" "" >/dev/null 2>&1 &
  local req=$!
  until wine_run "$BIN/chooser_probe.exe" >/dev/null 2>&1; do :; done
  end=$(date +%s%N)
  xdotool key Escape
  wait "$req"
  echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

small && time_to_chooser >/dev/null  # warm the prefix and the server's first start
small_ms=$(for _ in $(seq "$rounds"); do small; time_to_chooser; done | median)
large_ms=$(for _ in $(seq "$rounds"); do large; time_to_chooser; done | median)
echo "three lines: ${small_ms} ms; 10,000 lines, group at the end: ${large_ms} ms (medians of $rounds)"
awk -v a="$large_ms" -v b="$small_ms" 'BEGIN { printf "ratio: %.2f\n", a / b }'
