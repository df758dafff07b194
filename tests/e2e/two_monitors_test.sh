# The chooser on two monitors, the second right of the primary and then left of it. With the
# pointer in the middle of the second monitor, just inside the edge the two share (on either side)
# and in a corner of the second, the chooser lies wholly on the pointer's monitor, both as Windows
# places it and as the X server shows it, and beside the pointer; a click on the second monitor
# picks a row and starts its program.
. "$TAVREL_E2E/lib.sh"
bin_dir=$(dirname "$SERVER")
work=$WINEPREFIX/drive_c/tvmon
out=$(mktemp)

# A Wine session belongs to the display it started on: it is ended before another one is used.
end_session() {
  wineserver -k >/dev/null 2>&1
  limited 30 "the end of the Wine session" wineserver -w
}
use_display() {  # DISPLAY_FILE
  end_session
  export TAVREL_DISPLAY_FILE=$1
  DISPLAY=:$(cat "$1")
}
cleanup() {
  rm -rf "$out" "$bin_dir/Data" "$bin_dir"/Bl1.* "$work"
  use_display "$TAVREL_BUILD/xvfb.display"
}

# Two programs (copies of the recorder, which notes its start in NAME.log beside itself) added
# by the user for the type, in a data package beside the server; short names are their own short
# paths.
mkdir -p "$work/pkg" "$bin_dir/Data"
for app in alpha beta; do cp "$TAVREL_BUILD/tests/support/recorder.exe" "$work/$app.exe"; done
echo text >"$work/a.tfmon"
for app in alpha beta; do
  echo ".tfmon|${app^}|1.0|OK|C:\\tvmon\\$app.exe|C:\\tvmon\\$app.exe"
done | sed 's/$/\r/' >"$work/pkg/QXAdd.dat"
: >"$work/pkg/QXDef.dat"
: >"$work/pkg/QXDel.dat"
echo '<c/>' >"$work/pkg/QXcat.xml"
echo '<Catalogue/>' >"$work/pkg/QXma.xml"
wine_run "$TAVREL_BUILD/tools/tavrel-pack/tavrel-pack.exe" create \
  "$(winpath "$bin_dir/Data/QXTavrel.dat")" 'C:\tvmon\pkg' >/dev/null
check "the data package is made" 0 $?

# The X server's monitors, one "N left top width height" line each (xdpyinfo: "head #1:
# 1280x1024 @ 1280,0"), and the one holding X,Y as "left top right bottom".
x_heads() {
  xdpyinfo -ext XINERAMA |
    sed -n 's/^ *head #\([0-9]*\): \([0-9]*\)x\([0-9]*\) @ \([0-9]*\),\([0-9]*\)$/\1 \4 \5 \2 \3/p'
}
x_monitor_at() {
  x_heads | awk -v x="$1" -v y="$2" \
    '$2 <= x && x < $2 + $4 && $3 <= y && y < $3 + $5 { print $2, $3, $2 + $4, $3 + $5 }'
}
# "on" when the rectangle L T R B lies wholly inside the monitor ML MT MR MB, else both.
on() {
  if (($1 >= $5 && $2 >= $6 && $3 <= $7 && $4 <= $8)); then
    echo on
  else
    echo "$1,$2-$3,$4 off $5,$6-$7,$8"
  fi
}
# "beside" when the pointer PX PY lies within 8 pixels of the rectangle L T R B, else both.
beside() {
  local dx=0 dy=0
  (($1 < $3)) && dx=$(($3 - $1))
  (($1 >= $5)) && dx=$(($1 - $5 + 1))
  (($2 < $4)) && dy=$(($4 - $2))
  (($2 >= $6)) && dy=$(($2 - $6 + 1))
  if ((dx <= 8 && dy <= 8)); then echo beside; else echo "$1,$2 far from $3,$4-$5,$6"; fi
}
started() { for app in alpha beta; do [ -f "$work/$app.log" ] && echo -n "$app "; done; }
await_start() { await 15 "a started program's record" eval '[ -n "$(started)" ]'; started; }

primary='0 0 1280 1024'
declare -A second=([right]='1280 0 2560 1024' [left]='-1280 0 0 1024')
# layout, where the pointer is (Windows' coordinates), its monitor, and what ends the chooser
cases="right 1920 512 second click
right 1282 512 second Escape
right 1277 512 primary Escape
right 2557 1021 second Escape
left -640 512 second click
left -3 512 second Escape
left 2 512 primary Escape
left -1278 2 second Escape"
layout=
while read -r side px py monitor ending <&3; do
  if [ "$side" != "$layout" ]; then
    layout=$side
    use_display "$TAVREL_BUILD/two-monitors-$side.display"
    # Windows' 0,0 is the primary monitor's corner (X's head #0); X has no negative coordinates.
    read -r x0 y0 <<<"$(x_heads | awk '$1 == 0 { print $2, $3 }')"
  fi
  [ "$monitor" = primary ] && area=$primary || area=${second[$side]}
  what="second monitor $side of the primary, pointer at $px,$py on the $monitor"
  xdotool mousemove $((px + x0)) $((py + y0))
  rm -f "$work"/*.log "$bin_dir"/Bl1.*
  open_chooser "a request ($what)" "$BIN/qxh1_client.exe" 8 open 'C:\tvmon\a.tfmon' "" ||
    { kill "$client" 2>/dev/null; continue; }
  read -r l t r b <<<"$(sed -n 's/^WINDOW //p' <<<"$view")"
  window=$(xdotool search --onlyvisible --name 'Tavrel Ferrule Choices' | head -n 1)
  eval "$(xdotool getwindowgeometry --shell "$window")"  # X Y WIDTH HEIGHT
  check "$what: the chooser on that monitor (Windows, X) and beside the pointer" "on on beside" \
    "$(on "$l" "$t" "$r" "$b" $area) \
$(on "$X" "$Y" $((X + WIDTH)) $((Y + HEIGHT)) $(x_monitor_at $((px + x0)) $((py + y0)))) \
$(beside "$px" "$py" "$l" "$t" "$r" "$b")"
  if [ "$ending" = click ]; then
    read -r x y <<<"$(awk '$1 == "ROW" && $2 == 1 { print $3, $4 }' <<<"$view")"
    xdotool mousemove $((x + x0)) $((y + y0)) click 1
    ended_by "a click on the first row"
    check "$what: a click on the first row starts its program" "0 alpha " "$got $(await_start)"
  else
    xdotool key Escape
    ended_by "Escape"
  fi
done 3<<<"$cases"
finish
