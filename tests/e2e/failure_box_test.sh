# A failure inside a request is shown in a real message box: the box is found by its caption,
# dismissed with the keyboard, and the request then ends with "not handled". The document is
# missing, and the command-line analysis, cutting its path at the blank, tests a path through a
# symbolic link that points at itself: "Device I/O error" (57). A document that cannot be tested
# at all is left to the shell at once, without a box.
. "$TAVREL_E2E/lib.sh"
docs=$WINEPREFIX/drive_c/tavrel-e2e-box
cleanup() { rm -rf "$docs"; }
rm -rf "$docs" && mkdir -p "$docs" && ln -s loop "$docs/loop" && echo data >"$docs/report.txt"
D='C:\tavrel-e2e-box'

start_client "$out" cscript //nologo "$(winpath "$TAVREL_E2E/qxh1.vbs")" 8 open \
  "$D\\loop\\a b\\..\\..\\gone.txt" ""
box=$(xdotool search --sync --name '^Error -  57   :   h039$' | head -n 1)
check "the failure's box is found by its caption" yes "$([ -n "$box" ] && echo yes)"
# Not a synchronisation: the time the request is given to end wrongly while the box is up.
sleep 0.5
check "the request waits for the user" running "$(client_ended || echo running)"
# Dismiss the box, or whatever error box is up instead: none may be left behind.
for w in ${box:-$(xdotool search --name '^Error - ' 2>/dev/null)}; do
  xdotool windowfocus --sync "$w" key Return
done
ended_by "its box was dismissed"
check "after the box the request ends with not handled" 1 "$got"
# The server carries on: the next request is answered as usual.
check "the next request is answered" 1 "$(request_vtable 8 open "$D\\report.txt" "")"
check "a document that cannot be tested is not handled, without a box" "1 none" \
  "$(request_vtable 8 open "$D\\loop\\report.txt" Launched) \
$(xdotool search --name '^Error - ' >/dev/null 2>&1 && echo box || echo none)"
finish
