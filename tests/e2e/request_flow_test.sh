# Requests served from a real data package beside the server, made by tavrel-pack: the chooser's
# rows with a program the catalogue knows shown by the catalogue's names, picks made with the
# keyboard, and a request arriving while another's chooser is open, which uses up the marker.
. "$TAVREL_E2E/lib.sh"
flow=$WINEPREFIX/drive_c/tavrel-flow
cleanup() {
  rm -rf "$flow"
  forget_type .tftxt Tavrel.FlowGamma
}
cleanup

# Three programs (copies of the recorder), a document in a folder with blanks, and Gamma as
# Windows' own program for it.
mkdir -p "$flow/Apps" "$flow/My Documents" "$flow/pkg"
for app in alpha beta gamma; do cp "$RECORDER" "$flow/Apps/$app.exe"; done
echo text >"$flow/My Documents/a.tftxt"
doc_type .tftxt Tavrel.FlowGamma 'C:\tavrel-flow\Apps\gamma.exe'

app() { echo "C:\\tavrel-flow\\Apps\\$1.exe"; }
short() { wine_run winepath -s "$1" 2>/dev/null | tr -d '\r'; }
printf '%s\r\n' ".tftxt|Alpha Soft - Alpha|1.0|OK|$(app alpha)|$(short "$(app alpha)")" \
  ".TFTXT|Beta Inc - Beta|2.0|OK|$(app beta)|$(short "$(app beta)")" >"$flow/pkg/QXAdd.dat"
printf '.tflog|x|1|OK|x.exe\r\n' >"$flow/pkg/QXDef.dat"
printf '.tftmp\r\n' >"$flow/pkg/QXDel.dat"
echo '<c/>' >"$flow/pkg/QXcat.xml"
cat >"$flow/pkg/QXma.xml" <<'EOF'
<Catalogue><Group><Alias Company="Beta Inc" Product="Beta" Version="2.0"
  CompanyA="B{[~E9~]}ta Works" ProductA="Beta Studio" VersionA="2.0 (2026)"/></Group></Catalogue>
EOF
pack "$SERVER_DIR/Data/QXTavrel.dat" 'C:\tavrel-flow\pkg'
check "the data package is made" 0 $?

D='C:\tavrel-flow\My Documents'
# The programs started so far, by their records.
await_start() {
  await 15 "a started program's record" eval 'ls "$flow"/Apps/*.log >/dev/null 2>&1'
  (cd "$flow/Apps" && ls -- *.log 2>/dev/null)
}
open_document() {  # a request through cscript left waiting for its chooser
  rm -f "$flow"/Apps/*.log "$SERVER_DIR"/Bl1.*
  open_chooser "a request to open the document" \
    cscript //nologo "$(winpath "$TAVREL_E2E/qxh1.vbs")" 8 open "$D\\a.tftxt" ""
}

open_document
check "rows: the group in file order, the catalogue's names in place of Beta's, the default last" \
  "Alpha Soft - Alpha|1.0
Béta Works - Beta Studio|2.0 (2026)
Tavrel Test - Call Recorder|1.4.0.2    [Windows Default]" \
  "$(rows_of "$view")"
xdotool key Down Down Return
ended_by "Down Down Return"
check "the second row, picked with the keyboard; Beta got the short document path" \
  "0 beta.log $(short "$D\\a.tftxt")" \
  "$got $(await_start) $(tr -d '\r' <"$flow/Apps/beta.log" | sed -n 's/^args=//p' | head -n 1)"

# A second request while the first one's chooser is open is answered at once and uses up an
# armed marker; the first goes on.
open_document
touch "$SERVER_DIR/Bl1.ign"
check "a request during another is answered at once and uses up the marker" "1 Bl1.ok" \
  "$(request_vtable 8 open "$D\\a.tftxt" "") $(cd "$SERVER_DIR" && ls Bl1.*)"
xdotool key Down Return
ended_by "Down Return"
check "the first request goes on to its pick" "0 alpha.log" "$got $(await_start)"
finish
