# The request-line rules, through both real clients: each request gives the documented result,
# and the server leaves once the client has let go.
. "$TAVREL_E2E/lib.sh"
docs=$WINEPREFIX/drive_c/tavrel-e2e
rm -rf "$docs" && mkdir -p "$docs/folder.txt"
for f in report.txt PROGRAM.EXE Lib.dll drv.VXD; do echo data >"$docs/$f"; done
echo secret >"$docs/hidden.txt"
wine_run attrib +h 'C:\tavrel-e2e\hidden.txt' >/dev/null 2>&1
D='C:\tavrel-e2e'

both() {  # DESCRIPTION EXPECTED LINES VERB DOCUMENT STATUS
  local what=$1 expected=$2; shift 2
  check "$what (VBScript)" "$expected" "$(request_vbs "$@")"
  check "$what (vtable)" "$expected" "$(request_vtable "$@")"
}

both "fewer than eight lines" 1 7 open "$D\\report.txt" ""
both "no lines at all" 1 0 open "$D\\report.txt" ""
both "a verb line with print only" 1 8 print "$D\\report.txt" ""
both "an executable document" 1 8 open "$D\\PROGRAM.EXE" ""
both "a DLL document" 1 8 open "$D\\Lib.dll" ""
both "a VXD document" 1 8 Open "$D\\drv.VXD" ""
both "a missing document" 1 8 open "$D\\missing.txt" ""
both "launched: a folder" 1 8 open "$D\\folder.txt" "already LAUNCHED"
both "launched: a hidden file" 1 8 open "$D\\hidden.txt" "Launched"
both "launched: an empty document line" 1 8 open "" "Launched"
both "open with: a missing document" 1 8 "Open With..." "$D\\missing.txt" ""
both "a path of 10,000 characters" 1 8 open "C:\\$(printf 'a%.0s' $(seq 10000)).txt" ""

for kind in huge binary unicode; do
  check "a $kind request" "HRESULT=0x00000000 RESULT=1" \
    "$(wine_run "$BIN/qxh1_client.exe" "$kind" 2>&1 | tr -d '\r')"
done

check "the server leaves after the last client" gone "$(server_gone)"
finish
