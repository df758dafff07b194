# A failure inside a request is shown in a real message box: the box is found by its caption,
# dismissed with the keyboard, and the request then ends with "not handled". A document path that
# cannot be tested at all (it runs through a symbolic link that points at itself) makes the
# command-line analysis fail with "Device I/O error" (57).
. "$TAVREL_E2E/lib.sh"
docs=$WINEPREFIX/drive_c/tavrel-e2e-box
out=$(mktemp)
client=
cleanup() {
  [ -n "$client" ] && kill "$client" 2>/dev/null
  rm -f "$out"
  rm -rf "$docs"
}
trap cleanup EXIT
rm -rf "$docs" && mkdir -p "$docs" && ln -s loop "$docs/loop" && echo data >"$docs/report.txt"
D='C:\tavrel-e2e-box'

# Only this build's server counts: other builds may run servers of their own at the same time.
own_server_gone() {
  local me running
  me=$(winpath "$SERVER")
  for _ in $(seq 50); do
    running=$(pgrep -af 'TavrelCommander.exe')  # listed first, so that grep does not list itself
    grep -qiF "$me" <<<"$running" || { echo gone; return; }
    sleep 0.2
  done
  echo running
}
caption='Error -  57   :   h039'

request_vbs 8 open "$D\\loop\\report.txt" "" >"$out" &
client=$!
box=$(timeout 60 xdotool search --sync --name "^$caption\$" | head -n 1)
check "the failure's box is found by its caption" yes "$([ -n "$box" ] && echo yes)"
if [ -n "$box" ]; then
  # The request waits while the box is up.
  sleep 0.5
  check "the request waits for the user" running "$(kill -0 "$client" 2>/dev/null && echo running)"
  xdotool windowfocus --sync "$box" key Return
else
  # Do not leave a box nobody will close: dismiss whatever error box is up.
  for w in $(xdotool search --name '^Error - ' 2>/dev/null); do
    xdotool windowfocus --sync "$w" key Return
  done
fi
for _ in $(seq 300); do kill -0 "$client" 2>/dev/null || break; sleep 0.1; done
wait "$client" 2>/dev/null
client=
check "after the box the request ends with not handled" 1 "$(cat "$out")"
check "no box is left" "" "$(xdotool search --name '^Error - ' 2>/dev/null)"

# The server carries on: the next request is answered as usual.
check "the next request is answered" 1 "$(request_vtable 8 open "$D\\report.txt" "")"
check "the server leaves after the last client" gone "$(own_server_gone)"
finish
