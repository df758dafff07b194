# The chooser on two monitors, the second right of the primary and then left of it. With the
# pointer in the middle of the second monitor, just inside the edge the two share (on either side)
# and in a corner of the second, the chooser lies wholly on the pointer's monitor, both as Windows
# places it and as the X server shows it, and beside the pointer; a click on the second monitor
# picks a row and starts its program.
. "$TAVREL_E2E/lib.sh"
work=$WINEPREFIX/drive_c/tvmon

# A Wine session belongs to the display it started on: it is ended before another one is used.
use_display() {  # DISPLAY_FILE
  wineserver -k >/dev/null 2>&1
  limited 30 "the end of the Wine session" wineserver -w
  export TAVREL_DISPLAY_FILE=$1
  DISPLAY=:$(cat "$1")
}
cleanup() {
  rm -rf "$work"
  use_display "$TAVREL_BUILD/xvfb.display"
}

# Two programs added by the user for the type, in a data package beside the server.
mkdir -p "$work/pkg"
for app in alpha beta; do
  cp "$RECORDER" "$work/$app.exe"
  echo ".tfmon|${app^}|1.0|OK|C:\\tvmon\\$app.exe|C:\\tvmon\\$app.exe"
done | sed 's/$/\r/' >"$work/pkg/QXAdd.dat"
echo text >"$work/a.tfmon"
echo '<c/>' >"$work/pkg/QXcat.xml"
pack "$SERVER_DIR/Data/QXTavrel.dat" 'C:\tvmon\pkg'
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
  rm -f "$work"/*.log "$SERVER_DIR"/Bl1.*
  open_chooser "a request ($what)" "$BIN/qxh1_client.exe" 8 open 'C:\tvmon\a.tfmon' "" ||
    { kill "$client" 2>/dev/null; continue; }
  window=$(sed -n 's/^WINDOW //p' <<<"$view")
  eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name "$CHOOSER" |
    head -n 1)")"  # X Y WIDTH HEIGHT
  check "$what: the chooser on that monitor (Windows, X) and beside the pointer" "on on beside" \
    "$(on $window $area) \
$(on "$X" "$Y" $((X + WIDTH)) $((Y + HEIGHT)) $(x_monitor_at $((px + x0)) $((py + y0)))) \
$(beside "$px" "$py" $window)"
  if [ "$ending" = click ]; then
    read -r x y <<<"$(row_xy 1)"
    xdotool mousemove $((x + x0)) $((y + y0)) click 1
    ended_by "a click on the first row"
    await 15 "a started program's record" eval 'ls "$work"/*.log >/dev/null 2>&1'
    check "$what: a click on the first row starts its program" "0 alpha.log" \
      "$got $(cd "$work" && ls -- *.log 2>/dev/null)"
  else
    escape
  fi
done 3<<<"$cases"
finish
