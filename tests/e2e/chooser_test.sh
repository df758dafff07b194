# The real chooser window on the virtual display: a click picks the row under the pointer, a key
# picks the selected row, and another program coming to the front closes it without a pick; each
# row shows its program's icon; at 144 dpi the chooser is drawn larger, whole and on the screen;
# wherever the pointer is, the chooser opens beside it.
. "$TAVREL_E2E/lib.sh"
out=$(mktemp)
other=$(mktemp)
dpi_key='HKCU\Control Panel\Desktop'
cleanup() {
  rm -f "$out" "$other"
  wine_run reg delete "$dpi_key" /v LogPixels /f >/dev/null 2>&1
}
# Windows maps ".exe" to "exefile", whose icon is the program's own; a fresh Wine prefix does not.
wine_run reg add 'HKCR\.exe' /ve /d exefile /f >/dev/null 2>&1

shown() { grep -q SHOWN "$out"; }
field() { tr -d '\r' <"$out" | sed -n "s/^$1 //p"; }
row_xy() { tr -d '\r' <"$out" | awk -v r="$1" '$1 == "ROW" && $2 == r { print $3, $4 }'; }
# "yes" when the window lies inside its monitor's work area and the pointer inside the window or
# at most 8 pixels from it (the margin kept from the work area's edges, 7.5 at 144 dpi); else
# where the window is.
beside_pointer() {  # X Y
  local l t r b wl wt wr wb dx=0 dy=0
  read -r l t r b <<<"$(field WINDOW)"
  read -r wl wt wr wb <<<"$(field WORK)"
  (($1 < l)) && dx=$((l - $1)); (($1 >= r)) && dx=$(($1 - r + 1))
  (($2 < t)) && dy=$((t - $2)); (($2 >= b)) && dy=$(($2 - b + 1))
  if ((l >= wl && t >= wt && r <= wr && b <= wb && dx <= 8 && dy <= 8)); then
    echo yes
  else
    echo "window $l,$t-$r,$b work area $wl,$wt-$wr,$wb"
  fi
}
# The pointer is moved by the X server, as a user moves it, and the chooser must open beside it:
# each case puts it somewhere else (corners, the middle).
start_harness() {  # X Y ROWS [NAME_LENGTH [PROGRAM]]
  local x=$1 y=$2; shift 2
  xdotool mousemove "$x" "$y"
  start_client "$out" "$BIN/chooser_harness.exe" "$@"
  if await 30 "the harness's chooser" shown && await_chooser_input; then
    check "pointer at $x,$y (harness $*): the chooser beside it, inside the work area" yes \
      "$(beside_pointer "$x" "$y")"
    return
  fi
  kill "$client" 2>/dev/null
  wait "$client"
  return 1
}
# The pick the harness printed once its chooser had gone, in $pick.
picked() {  # ACTION
  await_client 20 "the chooser's end after $1"
  pick=$(tr -d '\r' <"$out" | sed -n 's/^PICK=//p')
}

# start_harness finds the chooser by its caption: await_chooser_input looks for it so.
start_harness 1023 767 3 && {
  # Read from outside: the list's image list and each row's image (notepad's own, then generic;
  # the programs' own icons arrive once the chooser is shown).
  own_icon() {
    view=$(probe)
    icons=$(awk '$1 == "ICON" { print $3 }' <<<"$view")
    [ "$(sed -n 1p <<<"$icons")" != "$(sed -n 2p <<<"$icons")" ]
  }
  await 10 "notepad's own icon in the chooser" own_icon
  check "the list has small icons, every row an image, notepad its own" "yes 3 0 yes" \
    "$(sed -n 's/^ICONS=//p' <<<"$view") $(grep -c '^[0-9]' <<<"$icons") \
$(grep -c -- '^-' <<<"$icons") $(own_icon && echo yes)"
  h96=$(field ROWHEIGHT)
  read -r x y <<<"$(row_xy 2)"
  xdotool mousemove "$x" "$y" click 1
  picked "a click on row 2"
  check "a click picks the second row" 2 "$pick"
}

# Wine reads the density when a program starts.
wine_run reg add "$dpi_key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
start_harness 0 0 5 && {
  check "at 144 dpi, per monitor aware: rows taller than at 96, all visible, no text clipped" \
    "2 144 yes 5 0" \
    "$(field AWARENESS) $(field DPI) $([ "$(field ROWHEIGHT)" -gt "${h96:-99}" ] && echo yes) \
$(field VISIBLE) $(field CLIPPED)"
  xdotool key Escape
  picked "Escape"
}
# Names far wider than the screen: only the names give way (three cells cut), the window stays
# inside the work area and every row shows without scroll bars.
start_harness 512 384 3 400 && {
  check "at 144 dpi, long names: rows visible, cells cut" "3 3" "$(field VISIBLE) $(field CLIPPED)"
  xdotool key Escape
  picked "Escape"
}
wine_run reg delete "$dpi_key" /v LogPixels /f >/dev/null 2>&1

start_harness 1023 0 4 && {
  read -r x y <<<"$(row_xy 3)"
  # Select row 3 with the right button (no pick), then a key press picks it. The X server hands
  # the button and the key to the chooser in this order: no pause is needed between them.
  xdotool mousemove "$x" "$y" click 3
  xdotool key Escape
  picked "a right click on row 3 and Escape"
  check "a key picks the selected row" 3 "$pick"
}

start_harness 0 767 2 && {
  harness=$client
  start_client "$other" notepad
  notepad=$client client=$harness
  picked "notepad came to the front"
  check "another program coming to the front closes the chooser with no pick" -1 "$pick"
  kill "$notepad"
}
finish
