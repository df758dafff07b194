# Requests served with the user's choice files in the work folder (they stay there): a click
# starting the picked program on the document in its folder, the ignore marker, the one added
# program that is the Windows default, and an Open With default. Every request leaves one line
# saying what it decided and why: in the log file the user names in the registry (one line per
# request, rolled over at 1 MiB) and in the debug output. A log file that cannot be written changes
# no request's answer.
. "$TAVREL_E2E/lib.sh"
root=$WINEPREFIX/drive_c/tavtrace
R='C:\tavtrace'
DOC="$R\\My Documents\\letter.tvtr"
work=$(work_folder)
log=$root/logs/chooser.log
err=$(mktemp)
cleanup() {
  chattr -i "$root/locked" 2>/dev/null
  rm -rf "$root" "$work" "$err"
  wine_run reg delete 'HKCU\Software\Tavrel\Chooser' /v LogFile /f >/dev/null 2>&1
  forget_type .tvtr TavrelTrace.Doc
}
cleanup
mkdir -p "$root/progs" "$root/logs" "$root/My Documents"
for p in alpha beta win; do cp "$RECORDER" "$root/progs/$p.exe"; done
echo text >"$root/My Documents/letter.tvtr"
echo data >"$root/My Documents/tool.exe"
echo data >"$root/My Documents/tööl.exe"
doc_type .tvtr TavrelTrace.Doc "$R\\progs\\win.exe"
use_log() { wine_run reg add 'HKCU\Software\Tavrel\Chooser' /v LogFile /d "$1" /f >/dev/null 2>&1; }

fresh() {  # FILE LINE... : only these choice lines in the work folder; no markers, no launches
  rm -rf "$work" "$SERVER_DIR"/Bl1.* "$root"/progs/*.log && mkdir -p "$work"
  before=$(lines "$log")
  [ $# -gt 0 ] || return 0
  local file=$1; shift
  printf '%s\r\n' "$@" >"$work/$file"
}
request() { request_vtable 8 "${2:-open}" "${1:-$DOC}" ""; }
launched() {  # PROGRAM FIELD: a field of the program's last record, once it has run
  await 15 "a record of $1.exe's start" grep -q '^longcwd=' "$root/progs/$1.log"
  tr -d '\r' <"$root/progs/$1.log" 2>/dev/null | sed -n "s/^$2=//p" | tail -n 1
}
ls_in() { (cd "$1" && ls -- $2 2>/dev/null | tr '\n' ' '); }  # FOLDER PATTERN
lines() { [ -f "$1" ] && tr -d '\r' <"$1" | wc -l || echo 0; }
last_line() { tr -d '\r' <"$log" | tail -n 1; }
# The decision of the log's last line, between the request's own part and the figures.
decision() { last_line | grep -oE '(pass|default|chooser): [^;]*' | head -n 1; }
chooser() { open_chooser "the request" "$BIN/qxh1_client.exe" 8 open "$DOC" ""; }

use_log "$R\\logs\\chooser.log"
A=".tvtr|Acme - Alpha|1.0|OK|$R\\progs\\alpha.exe|$R\\progs\\alpha.exe"
B=".tvtr|Globex - Beta|2.0|OK|$R\\progs\\beta.exe|$R\\progs\\beta.exe"

# Endings that come from the system (a start that fails, a package, a pick in the chooser), one
# request each: the answer, one more line in the log, and its reason. The reasons of the others are
# the request driver's own, pinned by its tests.
ending() {  # DESCRIPTION RESULT DECISION ACTUAL-RESULT
  check "$1: the answer, one line more, the reason" "$2 $((before + 1)) $3" \
    "$4 $(lines "$log") $(decision)"
  before=$(lines "$log")
}
fresh
ending "an executable" 1 "pass: document is an executable" "$(request "$R\\My Documents\\tööl.exe")"
check "the line names the type and the file, not its folders, in UTF-8" \
  'verb "open", type .exe, file "tööl.exe": pass' "$(last_line | grep -o 'verb.*: pass')"
fresh QXDef.dat ".tvtr|Gone|1.0|OK|$R\\progs\\gone.exe"
ending "a default program that is not there" 1 \
  "default: start failed (2, file not found), shell carries on" "$(request)"

# The second line in another case, with another case of its short path (the folders have no
# other), and without a line end.
fresh QXAdd.dat "$A"
printf '%s' ".TVTR|Globex - Beta|2.0|OK|$R\\progs\\beta.exe|$R\\progs\\BETA.EXE" >>"$work/QXAdd.dat"
xdotool mousemove 512 384
chooser
[ -n "$(row_xy 2)" ] && xdotool mousemove $(row_xy 2) click 1
ended_by "a click on row 2"
ending "a pick" 0 "chooser: 3 rows, picked 2 (Globex - Beta)" "$got"
check "the chooser's time is not the server's" "chooser open" "$(last_line | grep -o 'chooser open')"
check "a clicked row starts only its program, on the document in its folder" \
  "$DOC|$R\\My Documents|beta.log " \
  "$(launched beta longargs)|$(launched beta longcwd)|$(ls_in "$root/progs" '*.log')"
check "... arms the marker and leaves the choice files in the work folder" "Bl1.ign QXAdd.dat " \
  "$(ls_in "$SERVER_DIR" 'Bl1.*')$(ls_in "$work" '*')"
ending "the next request passes through, uses the marker up" "1 Bl1.ok " \
  "pass: ignore marker used up" "$(request) $(ls_in "$SERVER_DIR" 'Bl1.*')"
fresh QXAdd.dat ".tvtr|Tavrel - Recorder|1.4|OK|$R\\progs\\win.exe|$R\\progs\\WIN.EXE"
check "a single added line that is the default gives 1 without a chooser" "1 NONE" \
  "$(request) $(probe | head -c 4)"
# Open With: the default of "*" started at once, through the shell with that verb.
fresh QXDef.dat "*|Acme - Alpha|1.0|OK|$R\\progs\\alpha.exe"
check "open with: the default of * starts at once" "0 $DOC" \
  "$(request "$DOC" "Open With...") $(launched alpha longargs)"

fresh
pack "$SERVER_DIR/Data/QXTavrel.dat" "$R\\My Documents" --aes --password other
ending "a package with another password" 1 "pass: data package damaged (wrong password)" \
  "$(request)"
rm -rf "$SERVER_DIR/Data"

# The debug output carries the same line. Wine 8 shows it on the seh channel, on the standard error
# of the client that started the server.
check "the server has left" gone "$(server_gone)"
WINEDEBUG=warn+seh wine_run "$BIN/qxh1_client.exe" 8 open "$R\\My Documents\\tool.exe" "" \
  >/dev/null 2>"$err"
check "the debug output has the line once" 1 "$(tr -d '\r' <"$err" | grep -c \
  'OutputDebugStringA "TavrelCommander: verb \\"open\\", type .exe, file \\"tool.exe\\": pass: document')"

# At the cap the log moves to .old and a new one starts with the request's line.
head -c $((1024 * 1024 - 100)) /dev/zero | tr '\0' 'x' >"$log"
check "a request near the cap; the full log kept as .old; the new log holds the one line" \
  "1 $((1024 * 1024 - 100)) 1 pass: document is an executable" \
  "$(request "$R\\My Documents\\tool.exe") $(stat -c %s "$log.old") $(lines "$log") $(decision)"

# A log that cannot be written: in a missing folder, a folder in its place, in a read-only folder.
# The answers are those without a log (a box would keep a request from answering at all).
answers() {
  fresh QXDef.dat ".tvtr|Beta|2.0|OK|$R\\progs\\beta.exe"
  echo -n "$(request) "
  fresh QXAdd.dat "$A" "$B"
  chooser
  escape
  echo "$got $(request "$R\\My Documents\\tool.exe")"
}
wine_run reg delete 'HKCU\Software\Tavrel\Chooser' /v LogFile /f >/dev/null 2>&1
expected=$(answers)
check "the answers without a log" "0 0 1" "$expected"
# Wine running as root writes through read-only attributes and modes; an immutable folder is what
# it cannot write to. Without the right to make one, the case is left out and said so.
mkdir -p "$root/locked"
unwritable="missing\\chooser.log logs"
if chattr +i "$root/locked" 2>/dev/null && ! touch "$root/locked/probe" 2>/dev/null; then
  unwritable+=" locked\\chooser.log"
else
  echo "SKIPPED: a read-only folder (chattr +i is not allowed here)"
fi
for path in $unwritable; do
  use_log "$R\\$path"
  check "a log at $path: the same answers, no log made" "$expected " \
    "$(answers) $(ls -d "$root/missing" "$root"/locked/* 2>/dev/null)"
done
finish
