# The real chooser window on the virtual display: a click picks the row under the pointer, a key
# picks the selected row, and another program coming to the front closes it without a pick.
. "$TAVREL_E2E/lib.sh"
out=$(mktemp)
trap 'rm -f "$out"; pkill -f chooser_harness.exe 2>/dev/null' EXIT

start_harness() {  # ROWS [OTHER]
  : >"$out"
  wine_run "$BIN/chooser_harness.exe" "$@" >"$out" 2>/dev/null &
  for _ in $(seq 100); do grep -q SHOWN "$out" && return 0; sleep 0.1; done
  echo "the chooser did not show"; return 1
}
row_xy() { tr -d '\r' <"$out" | awk -v r="$1" '$1 == "ROW" && $2 == r { print $3, $4 }'; }
pick() {
  for _ in $(seq 100); do
    grep -q PICK "$out" && { tr -d '\r' <"$out" | sed -n 's/^PICK=//p'; return; }
    sleep 0.1
  done
  echo timeout
}

start_harness 3 && {
  window=$(xdotool search --sync --name 'Tavrel Ferrule Choices' | head -n 1)
  check "the chooser is found by its caption" yes "$([ -n "$window" ] && echo yes)"
  read -r x y <<<"$(row_xy 2)"
  xdotool mousemove "$x" "$y" click 1
  check "a click picks the second row" 2 "$(pick)"
}
wait

start_harness 4 && {
  read -r x y <<<"$(row_xy 3)"
  # Select row 3 with the right button (no pick), then a key press picks it.
  xdotool mousemove "$x" "$y" click 3
  sleep 0.3
  xdotool key Escape
  check "a key picks the selected row" 3 "$(pick)"
}
wait

start_harness 2 && {
  sleep 0.5  # the chooser comes to the front first
  wine_run notepad >/dev/null 2>&1 &
  check "another program coming to the front closes the chooser with no pick" -1 "$(pick)"
  pkill -f notepad.exe
}
wait
finish
