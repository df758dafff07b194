# Requests served with the user's choice files already in the work folder (they stay there): a
# click starting the picked program on the document in its folder, the ignore marker, the one added
# program that is the Windows default, and an Open With default.
. "$TAVREL_E2E/lib.sh"
root=$WINEPREFIX/drive_c/tavrelpp
P='C:\tavrelpp\progs'
DOC='C:\tavrelpp\My Documents\letter.tvrx'
work=$(work_folder)
cleanup() {
  rm -rf "$root" "$work"
  forget_type .tvrx TavrelPipe.Doc
}
cleanup
mkdir -p "$root/progs" "$root/My Documents"
for p in reca recb recw; do cp "$RECORDER" "$root/progs/$p.exe"; done
echo text >"$root/My Documents/letter.tvrx"
doc_type .tvrx TavrelPipe.Doc "$P\\recw.exe"

fresh() {  # FILE LINE: only this line, without a line end, in the work folder; no markers, no launches
  rm -rf "$work" "$SERVER_DIR"/Bl1.* "$root"/progs/*.log && mkdir -p "$work"
  printf '%s' "$2" >"$work/$1"
}
request() { request_vtable 8 "${1:-open}" "$DOC" ""; }
launched() {  # PROGRAM FIELD: a field of the program's last record, once it has run
  await 15 "a record of $1.exe's start" grep -q '^longcwd=' "$root/progs/$1.log"
  tr -d '\r' <"$root/progs/$1.log" 2>/dev/null | sed -n "s/^$2=//p" | tail -n 1
}
ls_in() { (cd "$1" && ls -- $2 2>/dev/null | tr '\n' ' '); }  # FOLDER PATTERN

# Two added lines joined with CR LF, the last one without a line end.
fresh QXAdd.dat ".tvrx|Acme - Alpha|1.0|OK|$P\\reca.exe|$P\\reca.exe"$'\r\n'".TVRX|Globex - Beta|2.0|OK|$P\\recb.exe|$P\\RECB.EXE"
xdotool mousemove 512 384
open_chooser "a request to open the document" "$BIN/qxh1_client.exe" 8 open "$DOC" ""
[ -n "$(row_xy 2)" ] && xdotool mousemove $(row_xy 2) click 1
ended_by "a click on row 2"
check "a clicked row gives 0 and starts only its program, on the document in its folder" \
  "0|$DOC|C:\\tavrelpp\\My Documents|recb.log " \
  "$got|$(launched recb longargs)|$(launched recb longcwd)|$(ls_in "$root/progs" '*.log')"
check "... arms the marker and leaves the choice files in the work folder" "Bl1.ign QXAdd.dat " \
  "$(ls_in "$SERVER_DIR" 'Bl1.*')$(ls_in "$work" '*')"
check "the next request passes through and uses the marker up" "1 Bl1.ok " \
  "$(request) $(ls_in "$SERVER_DIR" 'Bl1.*')"

fresh QXAdd.dat ".tvrx|Tavrel - Recorder|1.4|OK|$P\\recw.exe|$P\\RECW.EXE"
check "a single added line that is the default gives 1 without a chooser" "1 NONE" \
  "$(request) $(probe | head -c 4)"

# Open With: the default of "*" started at once, through the shell with that verb.
fresh QXDef.dat "*|Acme - Alpha|1.0|OK|$P\\reca.exe"
check "open with: the default of * starts at once" "0 $DOC" \
  "$(request "Open With...") $(launched reca longargs)"
finish
