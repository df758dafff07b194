# Requests served with the user's choice files already in the work folder (they stay there): a
# click starting the picked program on the document in its folder, the ignore marker, the one added
# program that is the Windows default, and an Open With default.
. "$TAVREL_E2E/lib.sh"
root=$WINEPREFIX/drive_c/tavrelpp
P='C:\tavrelpp\progs'
DOC='C:\tavrelpp\My Documents\letter.tvrx'
markers=$TAVREL_BUILD/bin
work=$(wine_run winepath -u "$(wine_run cmd /c echo %TEMP% | tr -d '\r')\\ZV" 2>/dev/null | tr -d '\r')
out=$(mktemp)
cleanup() {
  rm -rf "$root" "$work" "$out"
  rm -f "$markers"/Bl1.*
  wine_run reg delete 'HKCR\.tvrx' /f >/dev/null 2>&1
  wine_run reg delete 'HKCR\TavrelPipe.Doc' /f >/dev/null 2>&1
}
cleanup
mkdir -p "$root/progs" "$root/My Documents"
for p in reca recb recw; do cp "$TAVREL_BUILD/tests/support/recorder.exe" "$root/progs/$p.exe"; done
echo text >"$root/My Documents/letter.tvrx"
wine_run reg add 'HKCR\.tvrx' /ve /d TavrelPipe.Doc /f >/dev/null 2>&1
wine_run reg add 'HKCR\TavrelPipe.Doc\shell\open\command' /ve /d "\"$P\\recw.exe\" \"%1\"" /f \
  >/dev/null 2>&1
A=".tvrx|Acme - Alpha|1.0|OK|$P\\reca.exe|$P\\reca.exe"
B=".TVRX|Globex - Beta|2.0|OK|$P\\recb.exe|$P\\RECB.EXE"

fresh() {  # an empty work folder, no markers, no launches
  rm -rf "$work" && mkdir -p "$work"
  rm -f "$markers"/Bl1.* "$root"/progs/*.log
}
choices() {  # FILE LINE... : the lines joined with CR LF, the last one without a line end
  local file=$1; shift
  local IFS=$'\n'
  printf '%s' "$*" | sed 's/$/\r/; $ s/\r$//' >"$work/$file"
}
request() { request_vtable 8 "${1:-open}" "$DOC" ""; }
chooser() {  # VERB: a request left waiting for its chooser
  open_chooser "a request to $1 the document" "$BIN/qxh1_client.exe" 8 "$1" "$DOC" ""
}
click_row() {  # N: a click on row N of the chooser in $view
  local x y
  read -r x y <<<"$(awk -v r="$1" '$1 == "ROW" && $2 == r { print $3, $4 }' <<<"$view")"
  if [ -z "$y" ]; then note_missing "row $1 in the chooser"; return; fi
  xdotool mousemove "$x" "$y" click 1
}
has_run() { grep -q '^longcwd=' "$root/progs/$1.log" 2>/dev/null; }
launched() {  # PROGRAM FIELD: a field of the program's last record, once it has run
  await 15 "a record of $1.exe's start" has_run "$1"
  tr -d '\r' <"$root/progs/$1.log" 2>/dev/null | sed -n "s/^$2=//p" | tail -n 1
}
logs() { (cd "$root/progs" && ls -- *.log 2>/dev/null | tr '\n' ' '); }
marker() { (cd "$markers" && ls Bl1.* 2>/dev/null | tr '\n' ' '); }

fresh
choices QXAdd.dat "$A" "$B"
xdotool mousemove 512 384
chooser open
click_row 2
ended_by "a click on row 2"
check "a clicked row gives 0 and starts only its program, on the document in its folder" \
  "0|$DOC|C:\\tavrelpp\\My Documents|recb.log " \
  "$got|$(launched recb longargs)|$(launched recb longcwd)|$(logs)"
check "... arms the marker and leaves the choice files in the work folder" "Bl1.ign QXAdd.dat" \
  "$(marker)$(ls "$work")"
check "the next request passes through and uses the marker up" "1 Bl1.ok " "$(request) $(marker)"

fresh
choices QXAdd.dat ".tvrx|Tavrel - Recorder|1.4|OK|$P\\recw.exe|$P\\RECW.EXE"
check "a single added line that is the default gives 1 without a chooser" "1 none" \
  "$(request) $(probe | head -c 4 | sed 's/NONE/none/')"

# Open With: the default of "*" started at once, through the shell with that verb.
fresh
choices QXDef.dat "*|Acme - Alpha|1.0|OK|$P\\reca.exe"
check "open with: the default of * starts at once" "0 $DOC" \
  "$(request "Open With...") $(launched reca longargs)"
finish
