# The real chooser window on the virtual display: a click picks the row under the pointer, a key
# picks the selected row, and another program coming to the front closes it without a pick.
. "$TAVREL_E2E/lib.sh"
out=$(mktemp)
other=$(mktemp)
cleanup() { rm -f "$out" "$other"; }

shown() { grep -q SHOWN "$out"; }
start_harness() {  # ROWS
  start_client "$out" "$BIN/chooser_harness.exe" "$@"
  await 30 "the harness's chooser" shown && await_chooser_input && return
  kill "$client" 2>/dev/null
  wait "$client"
  return 1
}
row_xy() { tr -d '\r' <"$out" | awk -v r="$1" '$1 == "ROW" && $2 == r { print $3, $4 }'; }
# The pick the harness printed once its chooser had gone, in $pick.
picked() {  # ACTION
  await_client 20 "the chooser's end after $1"
  pick=$(tr -d '\r' <"$out" | sed -n 's/^PICK=//p')
}

start_harness 3 && {
  window=$(xdotool search --name 'Tavrel Ferrule Choices' | head -n 1)
  check "the chooser is found by its caption" yes "$([ -n "$window" ] && echo yes)"
  read -r x y <<<"$(row_xy 2)"
  xdotool mousemove "$x" "$y" click 1
  picked "a click on row 2"
  check "a click picks the second row" 2 "$pick"
}

start_harness 4 && {
  read -r x y <<<"$(row_xy 3)"
  # Select row 3 with the right button (no pick), then a key press picks it. The X server hands
  # the button and the key to the chooser in this order: no pause is needed between them.
  xdotool mousemove "$x" "$y" click 3
  xdotool key Escape
  picked "a right click on row 3 and Escape"
  check "a key picks the selected row" 3 "$pick"
}

start_harness 2 && {
  harness=$client
  start_client "$other" notepad
  notepad=$client client=$harness
  picked "notepad came to the front"
  check "another program coming to the front closes the chooser with no pick" -1 "$pick"
  kill "$notepad"
}
finish
