# The request-line rules that meet the system or the transport, through both real clients: each
# request gives the documented result without a chooser, and the server leaves once the client has
# let go. The rules on the lines alone (their number, the verb, the executable types) are the
# request driver's, pinned by its tests.
#
# A data package beside the server offers two programs for every type the requests name, so a
# rule that stopped firing would bring up the chooser instead of passing: each request is watched
# while it runs, and a chooser that appears is noted and closed. Two ordinary requests first
# prove that the package is read and that a closed chooser gives 0.
. "$TAVREL_E2E/lib.sh"
docs=$WINEPREFIX/drive_c/tavrel-e2e
cleanup() { rm -rf "$docs"; }
cleanup
mkdir -p "$docs/folder.txt" "$docs/pkg"
for f in report.txt PROGRAM.EXE; do echo data >"$docs/$f"; done
echo secret >"$docs/hidden.txt"
wine_run attrib +h 'C:\tavrel-e2e\hidden.txt' >/dev/null 2>&1
D='C:\tavrel-e2e'

# Two programs for each type: "." is the type of a document without an extension, a folder's too.
for key in .txt . .exe '*'; do
  for app in Alpha Beta; do
    echo "$key|Tavrel Test - $app|1.0|OK|$D\\apps\\$app.exe|$D\\apps\\$app.exe"
  done
done | sed 's/$/\r/' >"$docs/pkg/QXAdd.dat"
echo '<c/>' >"$docs/pkg/QXcat.xml"
pack "$SERVER_DIR/Data/QXTavrel.dat" 'C:\tavrel-e2e\pkg'
check "the data package is made" 0 $?
vbs=$(winpath "$TAVREL_E2E/qxh1.vbs")

chooser_up() { xdotool search --onlyvisible --name "$CHOOSER" >/dev/null 2>&1; }
ended_or_chooser() { client_ended || chooser_up; }
# watched CLIENT ARGS...: one request through the VBScript client (CLIENT vbs) or the vtable one
# (vtable) in the background, watched until it ends; a chooser it shows is closed with Escape,
# since the request would wait for a pick. Its result, and " chooser" when one appeared, in $got.
watched() {
  local shown='' what="the end of the request ${*:3}"
  what=${what:0:150}  # a path of 10,000 characters is not repeated whole
  if [ "$1" = vbs ]; then start_client "$out" cscript //nologo "$vbs" "${@:2}"; else
    start_client "$out" "$BIN/qxh1_client.exe" "${@:2}"; fi
  await "$CALL_LIMIT" "$what" ended_or_chooser
  if ! client_ended && chooser_up; then
    shown=" chooser"
    await_chooser_input && xdotool key Escape
  fi
  ended_by "$what"
  got=$got$shown
}

# What the request is, what it gives, its lines, verb, document and status; each one through both
# clients.
long="C:\\$(printf 'a%.0s' $(seq 10000)).txt"
while IFS='|' read -r what expected lines verb document status; do
  for via in vbs vtable; do
    watched "$via" "$lines" "$verb" "${document/LONG/$long}" "$status"
    check "$what ($via)" "$expected" "$got"
  done
done <<EOF
an ordinary document shows the chooser, and Escape gives 0|0 chooser|8|open|$D\\report.txt|
open with on an ordinary document shows the chooser of *, Escape gives 0|0 chooser|8|Open With...|$D\\report.txt|
no lines at all|1|0|open|$D\\report.txt|
an executable document|1|8|open|$D\\PROGRAM.EXE|
a missing document|1|8|open|$D\\missing.txt|
launched: a folder|1|8|open|$D\\folder.txt|already LAUNCHED
launched: a hidden file|1|8|open|$D\\hidden.txt|Launched
launched: an empty document line|1|8|open||Launched
a path of 10,000 characters|1|8|open|LONG|
EOF

for kind in huge binary unicode; do
  watched vtable "$kind"
  check "a $kind request" 1 "$got"
done

check "the server leaves after the last client" gone "$(server_gone)"
finish
