# Requests served from a real data package beside the server, made by tavrel-pack: the chooser's
# rows with a program the catalogue knows shown by the catalogue's names, picks made with the
# keyboard, and a request arriving while another's chooser is open, which uses up the marker.
. "$TAVREL_E2E/lib.sh"
bin_dir=$(dirname "$SERVER")
flow=$WINEPREFIX/drive_c/tavrel-flow
out=$(mktemp)
cleanup() {
  rm -rf "$out" "$bin_dir/Data" "$bin_dir"/Bl1.* "$flow"
  wine_run reg delete 'HKCR\.tftxt' /f >/dev/null 2>&1
  wine_run reg delete 'HKCR\Tavrel.FlowGamma' /f >/dev/null 2>&1
}
cleanup

# Three programs (copies of the recorder, which notes how it was started in NAME.log beside
# itself), a document in a folder with blanks, and Gamma as Windows' own program for it.
mkdir -p "$flow/Apps/Alpha" "$flow/Apps/Beta" "$flow/Apps/Gamma" "$flow/My Documents" "$flow/pkg"
for app in Alpha/alpha Beta/beta Gamma/gamma; do
  cp "$TAVREL_BUILD/tests/support/recorder.exe" "$flow/Apps/$app.exe"
done
echo text >"$flow/My Documents/a.tftxt"
wine_run reg add 'HKCR\Tavrel.FlowGamma\shell\open\command' /ve \
  /d '"C:\tavrel-flow\Apps\Gamma\gamma.exe" "%1"' /f >/dev/null 2>&1
wine_run reg add 'HKCR\.tftxt' /ve /d Tavrel.FlowGamma /f >/dev/null 2>&1

app() { echo "C:\\tavrel-flow\\Apps\\$1\\$(echo "$1" | tr 'A-Z' 'a-z').exe"; }
short() { wine_run winepath -s "$1" 2>/dev/null | tr -d '\r'; }
line() { echo "$1|$2|$3|OK|$(app "$4")|$(short "$(app "$4")")"; }
{
  line .tftxt "Alpha Soft - Alpha" 1.0 Alpha
  line .TFTXT "Beta Inc - Beta" 2.0 Beta
} | sed 's/$/\r/' >"$flow/pkg/QXAdd.dat"
printf '.tflog|x|1|OK|x.exe\r\n' >"$flow/pkg/QXDef.dat"
printf '.tftmp\r\n' >"$flow/pkg/QXDel.dat"
echo '<c/>' >"$flow/pkg/QXcat.xml"
cat >"$flow/pkg/QXma.xml" <<'EOF'
<Catalogue><Group><Alias Company="Beta Inc" Product="Beta" Version="2.0"
  CompanyA="B{[~E9~]}ta Works" ProductA="Beta Studio" VersionA="2.0 (2026)"/></Group></Catalogue>
EOF
mkdir -p "$bin_dir/Data"
wine_run "$TAVREL_BUILD/tools/tavrel-pack/tavrel-pack.exe" create \
  "$(winpath "$bin_dir/Data/QXTavrel.dat")" 'C:\tavrel-flow\pkg' >/dev/null
check "the data package is made" 0 $?

D='C:\tavrel-flow\My Documents'
started() { for app in alpha beta gamma; do [ -f "$flow/Apps/${app^}/$app.log" ] && echo -n "$app "; done; }
await_start() { await 15 "a started program's record" eval '[ -n "$(started)" ]'; started; }
open_document() {  # VERB: a request through cscript left waiting for its chooser
  open_chooser "a request to $1 the document" \
    cscript //nologo "$(winpath "$TAVREL_E2E/qxh1.vbs")" 8 "$1" "$D\\a.tftxt" ""
}

open_document open
check "rows: the group in file order, the catalogue's names in place of Beta's, the default last" \
  "Alpha Soft - Alpha|1.0
Béta Works - Beta Studio|2.0 (2026)
Tavrel Test - Call Recorder|1.4.0.2    [Windows Default]" \
  "$(rows_of "$view")"
xdotool key Down Down Return
ended_by "Down Down Return"
check "the second row, picked with the keyboard" "0 beta " "$got $(await_start)"
check "Beta got the short document path" "$(short "$D\\a.tftxt")" \
  "$(tr -d '\r' <"$flow/Apps/Beta/beta.log" | sed -n 's/^args=//p' | head -n 1)"

# A second request while the first one's chooser is open is answered at once and uses up an
# armed marker; the first goes on.
rm -f "$flow"/Apps/*/*.log "$bin_dir"/Bl1.*
open_document open
touch "$bin_dir/Bl1.ign"
check "a request during another is answered at once and uses up the marker" \
  "HRESULT=0x00000000 RESULT=1 Bl1.ok" \
  "$(wine_run "$BIN/qxh1_client.exe" 8 open "$D\\a.tftxt" "" 2>&1 | tr -d '\r') $(cd "$bin_dir" && ls Bl1.*)"
xdotool key Down Return
ended_by "Down Return"
check "the first request goes on to its pick" "0 alpha " "$got $(await_start)"
finish
