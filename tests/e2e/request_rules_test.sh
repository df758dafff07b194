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
bin_dir=$(dirname "$SERVER")
docs=$WINEPREFIX/drive_c/tavrel-e2e
out=$(mktemp)
cleanup() { rm -rf "$out" "$docs" "$bin_dir/Data" "$bin_dir"/Bl1.*; }
cleanup
mkdir -p "$docs/folder.txt" "$docs/pkg" "$bin_dir/Data"
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
wine_run "$TAVREL_BUILD/tools/tavrel-pack/tavrel-pack.exe" create \
  "$(winpath "$bin_dir/Data/QXTavrel.dat")" 'C:\tavrel-e2e\pkg' >/dev/null
check "the data package is made" 0 $?
vbs=$(winpath "$TAVREL_E2E/qxh1.vbs")

chooser_up() { xdotool search --onlyvisible --name 'Tavrel Ferrule Choices' >/dev/null 2>&1; }
ended_or_chooser() { client_ended || chooser_up; }
# watched PREFIX SUFFIX PROGRAM ARGS...: one request in the background, watched until it ends; a
# chooser it shows is closed with Escape, since the request would wait for a pick. Its result
# (read between PREFIX and SUFFIX in the client's output), and " chooser" when one appeared, in
# $got.
watched() {
  local prefix=$1 suffix=$2 shown='' what
  shift 2
  what="the end of the request ${*:2}"
  what=${what:0:150}  # a path of 10,000 characters is not repeated whole
  start_client "$out" "$@"
  await "$CALL_LIMIT" "$what" ended_or_chooser
  if ! client_ended && chooser_up; then
    shown=" chooser"
    await_chooser_input && xdotool key Escape
  fi
  await_client 20 "$what"
  got=$(result_of "$prefix" "$suffix" "$(tr -d '\r' <"$out")")$shown
}
vbs() { watched "RESULT=" " TYPE=Long" cscript //nologo "$vbs" "$@"; }
vtable() { watched "HRESULT=0x00000000 RESULT=" "" "$BIN/qxh1_client.exe" "$@"; }

vbs 8 open "$D\\report.txt" ""
check "an ordinary document shows the chooser, and Escape gives 0 (VBScript)" "0 chooser" "$got"
vtable 8 "Open With..." "$D\\report.txt" ""
check "open with on an ordinary document shows the chooser of *, Escape gives 0 (vtable)" \
  "0 chooser" "$got"

both() {  # DESCRIPTION EXPECTED LINES VERB DOCUMENT STATUS
  local what=$1 expected=$2
  shift 2
  vbs "$@"
  check "$what (VBScript)" "$expected" "$got"
  vtable "$@"
  check "$what (vtable)" "$expected" "$got"
}

both "no lines at all" 1 0 open "$D\\report.txt" ""
both "an executable document" 1 8 open "$D\\PROGRAM.EXE" ""
both "a missing document" 1 8 open "$D\\missing.txt" ""
both "launched: a folder" 1 8 open "$D\\folder.txt" "already LAUNCHED"
both "launched: a hidden file" 1 8 open "$D\\hidden.txt" "Launched"
both "launched: an empty document line" 1 8 open "" "Launched"
both "a path of 10,000 characters" 1 8 open "C:\\$(printf 'a%.0s' $(seq 10000)).txt" ""

for kind in huge binary unicode; do
  watched "HRESULT=0x00000000 RESULT=" "" "$BIN/qxh1_client.exe" "$kind"
  check "a $kind request" 1 "$got"
done

check "the server leaves after the last client" gone "$(server_gone)"
finish
