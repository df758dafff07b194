# Requests served from end to end through a real client, on a real data package beside the
# server: the rows of the chooser and what picking each one starts, the default program started
# without a chooser, the types that pass through, the open-with key, and the ignore marker that
# lets the request a launch causes pass straight through.
. "$TAVREL_E2E/lib.sh"
bin_dir=$(dirname "$SERVER")
flow=$WINEPREFIX/drive_c/tavrel-flow
out=$(mktemp)
cleanup() {
  rm -rf "$out" "$bin_dir/Data" "$bin_dir/Bl1.ign" "$bin_dir/Bl1.ok" "$flow"
  wine_run reg delete 'HKCR\.tfone' /f >/dev/null 2>&1
  for ext in .tftxt .tfxyz .tfone; do wine_run reg delete "HKCR\\$ext" /f >/dev/null 2>&1; done
  wine_run reg delete 'HKCR\Tavrel.FlowGamma' /f >/dev/null 2>&1
}
trap cleanup EXIT
cleanup

# Three programs (copies of the recorder, which notes how it was started in NAME.log beside
# itself), documents in a folder with blanks, and Gamma as Windows' own program for .tftxt.
mkdir -p "$flow/Apps/Alpha" "$flow/Apps/Beta" "$flow/Apps/Gamma" "$flow/My Documents" "$flow/pkg"
for app in Alpha/alpha Beta/beta Gamma/gamma; do
  cp "$TAVREL_BUILD/tests/support/recorder.exe" "$flow/Apps/$app.exe"
done
for doc in a.tftxt b.tflog c.tftmp d.tfxyz e.tfone f.tfbad; do echo text >"$flow/My Documents/$doc"; done
wine_run reg add 'HKCR\Tavrel.FlowGamma\shell\open\command' /ve \
  /d '"C:\tavrel-flow\Apps\Gamma\gamma.exe" "%1"' /f >/dev/null 2>&1
for ext in .tftxt .tfxyz .tfone; do
  wine_run reg add "HKCR\\$ext" /ve /d Tavrel.FlowGamma /f >/dev/null 2>&1
done

app() { echo "C:\\tavrel-flow\\Apps\\$1\\$(echo "$1" | tr 'A-Z' 'a-z').exe"; }
short() { wine_run winepath -s "$1" 2>/dev/null | tr -d '\r'; }
line() { echo "$1|$2|$3|OK|$(app "$4")|$(short "$(app "$4")")"; }
{
  line .TFTXT "Alpha Soft - Alpha" 1.0 Alpha
  line .tftxt "Beta Inc - Beta" 2.0 Beta
  line .tfdoc "Doc Co - Doc" 1.0 Alpha
  line .tftxt "Late Run - Never Shown" 9.9 Beta
  line '*' "Alpha Soft - Alpha" 1.0 Alpha
  line '*' "Gamma Works - Gamma" 1.0 Gamma
  line .tfone "Gamma Works - Gamma" 1.0 Gamma
  line .tftmp "Beta Inc - Beta" 2.0 Beta
  echo ".tfbad|Gone - Missing|1.0|OK|C:\\tavrel-flow\\Apps\\Missing\\missing.exe|C:\\MISSING.EXE"
  line .tfbad "Beta Inc - Beta" 2.0 Beta
} | sed 's/$/\r/' >"$flow/pkg/QXAdd.dat"
line .tflog "Alpha Soft - Alpha" 1.0 Alpha | sed 's/$/\r/' >"$flow/pkg/QXDef.dat"
printf '.tftmp\r\n' >"$flow/pkg/QXDel.dat"
echo '<c/>' >"$flow/pkg/QXcat.xml"
echo '<Programs/>' >"$flow/pkg/QXma.xml"
mkdir -p "$bin_dir/Data"
wine_run "$TAVREL_BUILD/tools/tavrel-pack/tavrel-pack.exe" create \
  "$(winpath "$bin_dir/Data/QXTavrel.dat")" 'C:\tavrel-flow\pkg' >/dev/null
check "the data package is made" 0 $?

D='C:\tavrel-flow\My Documents'
started() { for app in alpha beta gamma; do [ -f "$flow/Apps/${app^}/$app.log" ] && echo -n "$app "; done; }
log_of() { tr -d '\r' <"$flow/Apps/${1^}/$1.log" | sed -n "s/^$2=//p" | head -n 1; }
forget_launches() { rm -f "$flow"/Apps/*/*.log; }

# request VERB DOCUMENT [KEYS...]: one request; with keys, waits for the chooser and types them.
# Prints the result, then "window" or "no window".
request() {
  local verb=$1 document=$2; shift 2
  wine_run cscript //nologo "$(winpath "$TAVREL_E2E/qxh1.vbs")" 8 "$verb" "$document" "" \
    >"$out" 2>&1 &
  local client=$! shown="no window"
  if [ $# -gt 0 ]; then
    if timeout 20 xdotool search --sync --name 'Tavrel Ferrule Choices' >/dev/null 2>&1; then
      shown=window
      sleep 0.3
      xdotool key "$@"
    fi
  fi
  wait "$client"
  echo "$(tr -d '\r' <"$out" | sed -n 's/^RESULT=\([-0-9]*\).*/\1/p') $shown"
}
# The request a launch of ours causes passes straight through, once.
passes_marker() { check "$1: the next request passes straight through" "1 no window" \
  "$(request open "$D\\a.tftxt")"; }

check "the first row starts the first program of the type's group" "0 window" \
  "$(request open "$D\\a.tftxt" Down Return)"
for _ in $(seq 30); do [ -f "$flow/Apps/Alpha/alpha.log" ] && break; sleep 0.1; done
check "only Alpha was started" "alpha " "$(started)"
check "Alpha got the short document path" "$(short "$D\\a.tftxt")" "$(log_of alpha args)"
check "Alpha works in the document's folder" "$(short "$D")" "$(log_of alpha cwd)"
passes_marker "after a pick"
check "the marker was used once: the chooser is back" "0 window" \
  "$(request open "$D\\a.tftxt" Escape)"

forget_launches
check "the second row starts the second program" "0 window" \
  "$(request open "$D\\a.tftxt" Down Down Return)"
for _ in $(seq 30); do [ -n "$(started)" ] && break; sleep 0.1; done
check "only Beta was started" "beta " "$(started)"
passes_marker "after the second pick"

forget_launches
check "the last row is Windows' own program: the caller opens it" "1 window" \
  "$(request open "$D\\a.tftxt" Down Down Down Down Down Down Down Return)"
sleep 1
check "picking the Windows default row starts nothing itself" "" "$(started)"

check "Esc without a selected row is a cancel" "0 window" "$(request open "$D\\a.tftxt" Escape)"
sleep 0.5
check "a cancel starts nothing" "" "$(started)"

check "the default program of QXDef.dat starts without a chooser" "0 no window" \
  "$(request play "$D\\b.tflog")"
for _ in $(seq 30); do [ -n "$(started)" ] && break; sleep 0.1; done
check "the default program is Alpha" "alpha " "$(started)"
passes_marker "after the default program"

forget_launches
check "a type in QXDel.dat passes through" "1 no window" "$(request open "$D\\c.tftmp")"
check "a type without added programs passes through" "1 no window" "$(request open "$D\\d.tfxyz")"
check "one added program that is Windows' own gives one row: it passes through" "1 no window" \
  "$(request open "$D\\e.tfone")"

wine_run cscript //nologo "$(winpath "$TAVREL_E2E/qxh1.vbs")" 8 "Open With..." "$D\\a.tftxt" "" \
  >"$out" 2>&1 &
client=$!
check "open with: the caption names the key *" yes \
  "$(timeout 20 xdotool search --sync --name '\[\*\] - Tavrel Ferrule Choices' >/dev/null 2>&1 &&
    echo yes)"
sleep 0.3
xdotool key Down Down Return  # Gamma's row, marked as Windows' own: no third row
wait "$client"
check "open with: the marked row is Windows' own program" "1" \
  "$(tr -d '\r' <"$out" | sed -n 's/^RESULT=\([-0-9]*\).*/\1/p')"
sleep 0.5
check "open with: nothing was started" "" "$(started)"

# A second request while the chooser of the first is open is answered at once and leaves the
# first alone.
wine_run cscript //nologo "$(winpath "$TAVREL_E2E/qxh1.vbs")" 8 open "$D\\a.tftxt" "" >"$out" 2>&1 &
client=$!
timeout 20 xdotool search --sync --name 'Tavrel Ferrule Choices' >/dev/null 2>&1
check "a request during another is answered at once" "HRESULT=0x00000000 RESULT=1" \
  "$(wine_run "$BIN/qxh1_client.exe" 8 open "$D\\a.tftxt" "" 2>&1 | tr -d '\r')"
check "the first request's chooser is still open" yes \
  "$(xdotool search --name 'Tavrel Ferrule Choices' >/dev/null 2>&1 && echo yes)"
sleep 0.3
xdotool key Down Down Return
wait "$client"
check "the first request goes on to its pick" 0 \
  "$(tr -d '\r' <"$out" | sed -n 's/^RESULT=\([-0-9]*\).*/\1/p')"
for _ in $(seq 30); do [ -n "$(started)" ] && break; sleep 0.1; done
check "the first request started its pick" "beta " "$(started)"
passes_marker "after the pick of the first request"

check "a program that does not exist: the request is still handled" "0 window" \
  "$(request open "$D\\f.tfbad" Down Return)"
passes_marker "after a launch that failed"

check "the server leaves after the last client" gone "$(server_gone)"
finish
