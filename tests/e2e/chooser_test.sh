# The real chooser window on the virtual display: a click picks the row under the pointer, a key
# picks the selected row, and another program coming to the front closes it without a pick; at
# 144 dpi the chooser is drawn larger, whole and on the screen; wherever the pointer is, the
# chooser opens beside it. Each row's icon is the Windows tests' (the chooser window's).
. "$TAVREL_E2E/lib.sh"
other=$(mktemp)
dpi_key='HKCU\Control Panel\Desktop'
cleanup() {
  rm -f "$other"
  wine_run reg delete "$dpi_key" /v LogPixels /f >/dev/null 2>&1
}

field() { sed -n "s/^$1 //p" <<<"$view"; }
# The pointer is moved by the X server, as a user moves it, and the chooser must open beside it
# (at most 8 pixels away; the margin kept from the work area's edges is 7.5 at 144 dpi) and inside
# its monitor's work area: each case puts it somewhere else (corners, the middle).
start_harness() {  # X Y ROWS [NAME_LENGTH]
  local x=$1 y=$2; shift 2
  xdotool mousemove "$x" "$y"
  harness "$@" || return
  check "pointer at $x,$y (harness $*): the chooser inside the work area, beside the pointer" \
    "on beside" "$(on $(field WINDOW) $(field WORK)) $(beside "$x" "$y" $(field WINDOW))"
}

start_harness 1023 767 3 && {
  h96=$(field ROWHEIGHT)
  xdotool mousemove $(row_xy 2) click 1
  ended_by "a click on row 2"
  check "a click picks the second row" 2 "$got"
}

# Wine reads the density when a program starts. Names far wider than the screen: only the names
# give way (three cells cut), the window stays inside the work area and every row shows.
wine_run reg add "$dpi_key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
start_harness 0 0 5 && {
  check "at 144 dpi, per monitor aware: rows taller than at 96, all visible, no text clipped" \
    "2 144 yes 5 0" \
    "$(field AWARENESS) $(field DPI) $([ "$(field ROWHEIGHT)" -gt "${h96:-99}" ] && echo yes) \
$(field VISIBLE) $(field CLIPPED)"
  escape
}
start_harness 512 384 3 400 && {
  check "at 144 dpi, long names: rows visible, cells cut" "3 3" "$(field VISIBLE) $(field CLIPPED)"
  escape
}
wine_run reg delete "$dpi_key" /v LogPixels /f >/dev/null 2>&1

start_harness 1023 0 4 && {
  # Select row 3 with the right button (no pick), then a key press picks it. The X server hands
  # the button and the key to the chooser in this order: no pause is needed between them.
  xdotool mousemove $(row_xy 3) click 3
  escape
  check "a key picks the selected row" 3 "$got"
}

start_harness 0 767 2 && {
  harness=$client
  start_client "$other" notepad
  notepad=$client client=$harness
  ended_by "notepad came to the front"
  check "another program coming to the front closes the chooser with no pick" -1 "$got"
  kill "$notepad"
}
finish
