# A request served from end to end with the user's choice files in the work folder: the chooser's
# rows in file order with the Windows default last and marked, a click starting the right program
# with the short document path in the document's folder, the ignore marker after every launch,
# and the QXDef.dat, QXDel.dat and open-with cases.
. "$TAVREL_E2E/lib.sh"
root=$WINEPREFIX/drive_c/tavrelpp
P='C:\tavrelpp\progs'
DOC='C:\tavrelpp\My Documents\letter.tvrx'
markers=$TAVREL_BUILD/bin
temp=$(wine_run cmd /c echo %TEMP% | tr -d '\r')
work=$(wine_run winepath -u "$temp\\ZV" 2>/dev/null | tr -d '\r')
out=$(mktemp)
cleanup() {
  rm -rf "$root" "$work" "$out"
  rm -f "$markers"/Bl1.*
  wine_run reg delete 'HKCR\.tvrx' /f >/dev/null 2>&1
  wine_run reg delete 'HKCR\TavrelPipe.Doc' /f >/dev/null 2>&1
}
trap cleanup EXIT
cleanup
mkdir -p "$root/progs" "$root/My Documents"
for p in reca recb recw; do cp "$TAVREL_BUILD/tests/support/recorder.exe" "$root/progs/$p.exe"; done
echo text >"$root/My Documents/letter.tvrx"
wine_run reg add 'HKCR\.tvrx' /ve /d TavrelPipe.Doc /f >/dev/null 2>&1
wine_run reg add 'HKCR\TavrelPipe.Doc\shell\open\command' /ve /d "\"$P\\recw.exe\" \"%1\"" /f \
  >/dev/null 2>&1
A=".tvrx|Acme - Alpha|1.0|OK|$P\\reca.exe|$P\\reca.exe"
B=".TVRX|Globex - Beta|2.0|OK|$P\\recb.exe|$P\\RECB.EXE"
W=".tvrx|Tavrel - Recorder|1.4|OK|$P\\recw.exe|$P\\RECW.EXE"

fresh() {  # an empty work folder, no markers, no launches
  rm -rf "$work" && mkdir -p "$work"
  rm -f "$markers"/Bl1.* "$root"/progs/*.log
}
choices() {  # FILE LINE... : the lines joined with CR LF, the last one without a line end
  local file=$1; shift
  local IFS=$'\n'
  printf '%s' "$*" | sed 's/$/\r/; $ s/\r$//' >"$work/$file"
}
start_request() {  # VERB
  : >"$out"
  wine_run "$BIN/qxh1_client.exe" 8 "$1" "$DOC" "" >"$out" 2>&1 &
  req=$!
}
result() {
  wait "$req"
  tr -d '\r' <"$out" | sed -n 's/^HRESULT=0x00000000 RESULT=\([-0-9]*\)$/\1/p'
  grep -q RESULT "$out" || { echo "RAW: $(cat "$out")" >&2; }
}
probe() { wine_run "$BIN/chooser_probe.exe" 2>/dev/null | tr -d '\r'; }
await_chooser() {  # prints the probe's view once the chooser is shown, or "none"
  local view
  for _ in $(seq 100); do
    view=$(probe)
    case $view in CAPTION=*) echo "$view"; return ;; esac
    sleep 0.1
  done
  echo none
}
rows() { sed -n 's/^ROW [0-9]* [0-9]* [0-9]* //p' <<<"$1"; }
click_row() {  # VIEW N
  read -r x y <<<"$(awk -v r="$2" '$1 == "ROW" && $2 == r { print $3, $4 }' <<<"$1")"
  xdotool mousemove "$x" "$y" click 1
}
launched() {  # PROGRAM FIELD: a field of the program's last record, once it has run
  local log=$root/progs/$1.log
  for _ in $(seq 50); do
    grep -q '^longcwd=' "$log" 2>/dev/null && break
    sleep 0.1
  done
  tr -d '\r' <"$log" 2>/dev/null | sed -n "s/^$2=//p" | tail -n 1
}
logs() { (cd "$root/progs" && ls -- *.log 2>/dev/null | tr '\n' ' '); }
marker() { (cd "$markers" && ls Bl1.* 2>/dev/null | tr '\n' ' '); }

# The chooser: the group's lines in file order, a later run of the key unseen, the default last.
fresh
choices QXAdd.dat ".doc|Other - Thing|1.0|OK|$P\\recw.exe|x" "$A" "$B" ".doc|x" "$A"
xdotool mousemove 512 384
start_request open
view=$(await_chooser)
check "the caption names the type" "CAPTION=  [.tvrx] - Tavrel Ferrule Choices " \
  "$(head -n 1 <<<"$view")"
check "rows in file order, the Windows default last and marked" \
  "Acme - Alpha|1.0
Globex - Beta|2.0
Tavrel Test - Call Recorder|1.4.0.2    [Windows Default]" "$(rows "$view")"
click_row "$view" 2
check "a picked row gives 0" 0 "$(result)"
check "the picked program gets the short document path" 0 \
  "$(launched recb args | grep -c ' ')"
check "... which is the document" "$DOC" "$(launched recb longargs)"
check "... and runs in the document's folder" 'C:\tavrelpp\My Documents' "$(launched recb longcwd)"
check "only the picked program ran" "recb.log " "$(logs)"
check "the marker is armed" "Bl1.ign " "$(marker)"
check "the data files found in the work folder stay" yes "$([ -f "$work/QXAdd.dat" ] && echo yes)"

check "the request after a launch passes through" 1 "$(request_vtable 8 open "$DOC" "")"
check "... and uses the marker up" "Bl1.ok " "$(marker)"

# Closing the chooser without a pick, and picking the Windows default row.
start_request open
view=$(await_chooser)
xdotool key Escape
check "a chooser closed without a pick gives 0" 0 "$(result)"
start_request open
view=$(await_chooser)
click_row "$view" 3
check "the Windows default row gives 1" 1 "$(result)"
check "... and nothing is started" "recb.log " "$(logs)"
check "... and the marker stays used" "Bl1.ok " "$(marker)"

# The default program among the added ones: marked in its own row, no extra row.
fresh
choices QXAdd.dat "$A" "$W"
start_request open
view=$(await_chooser)
check "the added default program is marked in place" "Acme - Alpha|1.0
Tavrel - Recorder|1.4    [Windows Default]" "$(rows "$view")"
xdotool key Escape
result >/dev/null
choices QXAdd.dat "$W"
check "a single added line that is the default gives 1 without a chooser" "1 none" \
  "$(request_vtable 8 open "$DOC" "") $(probe | head -c 4 | sed 's/NONE/none/')"

# QXDef.dat: started at once with the verb; QXDel.dat and missing groups pass through.
fresh
choices QXAdd.dat "$A" "$B"
choices QXDef.dat ".tvrx|Globex - Beta|2.0|OK|$P\\recb.exe" ".tvrx|Acme - Alpha|1.0|OK|$P\\reca.exe"
check "a QXDef.dat default gives 0" 0 "$(request_vtable 8 open "$DOC" "")"
check "... and starts the first default line's program" "$DOC" "$(launched recb longargs)"
check "... with the marker armed" "Bl1.ign " "$(marker)"
fresh
choices QXAdd.dat "$A"
choices QXDef.dat "*|Acme - Alpha|1.0|OK|$P\\reca.exe"
check "open with: the default of * gives 0" 0 "$(request_vtable 8 "Open With..." "$DOC" "")"
check "... and starts its program" "$DOC" "$(launched reca longargs)"
fresh
choices QXDef.dat ".tvrx|Gone|1.0|OK|$P\\missing.exe"
check "a default program that does not exist still gives 0" 0 \
  "$(request_vtable 8 open "$DOC" "")"
check "... and leaves the marker armed" "Bl1.ign " "$(marker)"
check "... so the next request passes through" 1 "$(request_vtable 8 open "$DOC" "")"
fresh
choices QXAdd.dat "$A" "$B"
choices QXDel.dat ".TVRX"
check "a type in QXDel.dat gives 1" 1 "$(request_vtable 8 open "$DOC" "")"
fresh
choices QXAdd.dat ".doc|Other - Thing|1.0|OK|x|x"
check "a type without QXAdd.dat lines gives 1" 1 "$(request_vtable 8 open "$DOC" "")"
fresh
choices QXAdd.dat "" "$A" "$B"
check "an empty line the search reaches gives 1" 1 "$(request_vtable 8 open "$DOC" "")"
check "no request above started anything it should not" "" "$(logs)"

# Open with: the group of "*".
fresh
choices QXAdd.dat "$B" "*|Acme - Alpha|1.0|OK|$P\\reca.exe|$P\\reca.exe" \
  "*|Globex - Beta|2.0|OK|$P\\recb.exe|$P\\recb.exe"
start_request "Open With..."
view=$(await_chooser)
check "open with: the caption shows *" "CAPTION=  [*] - Tavrel Ferrule Choices " \
  "$(head -n 1 <<<"$view")"
click_row "$view" 1
check "open with: a pick gives 0" 0 "$(result)"
check "... and starts the picked program" "$DOC" "$(launched reca longargs)"
finish
