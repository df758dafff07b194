# Names outside the ANSI code page (Windows-1252 in the test prefix): a document named in Cyrillic,
# Japanese and an emoji, in a folder named so too, gets its type's chooser, and the program picked
# or the type's default receives that document's short path with its folder as working folder.
# The choice files stay in Windows-1252 (a program under "Müller" still starts), an escaped "é" in
# the catalogue still reads "é", and a version resource in Greek shows in the default's row.
. "$TAVREL_E2E/lib.sh"
root=$WINEPREFIX/drive_c/tavrel-uni
R='C:\tavrel-uni'
folder='Папка 日本'
name='Отчёт 会議 🎉'
work=$(work_folder)
cleanup() {
  rm -rf "$root" "$work"
  forget_type .tuni TavrelUni.Doc
}
cleanup
check "the prefix's ANSI code page" 1252 "$(wine_run reg query \
  'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP | tr -d '\r' | awk '/ACP/ {print $3}')"

mkdir -p "$root/$folder" "$root/Programme/Müller" "$root/Ελληνικά" "$work"
cp "$RECORDER" "$root/Programme/Müller/app.exe"
cp "$TAVREL_BUILD/tests/support/recorder_greek.exe" "$root/Ελληνικά/notes.exe"
echo text >"$root/$folder/$name.tuni"
echo text >"$root/$folder/$name.tund"
doc_type .tuni TavrelUni.Doc "$R\\Ελληνικά\\notes.exe"

# The choice files as the product's other component writes them: in the ANSI code page.
app="$R\\Programme\\Müller\\app.exe"
ansi() { sed 's/$/\r/' | iconv -f UTF-8 -t WINDOWS-1252; }
printf '%s\n' ".tuni|Acme - Alpha|1.0|OK|$app|$app" ".TUNI|Beta Inc - Beta|2.0|OK|$app|$app" |
  ansi >"$work/QXAdd.dat"
printf '%s\n' ".tund|Acme - Alpha|1.0|OK|$app|$app" | ansi >"$work/QXDef.dat"
cat >"$work/QXma.xml" <<'XML'
<Catalogue><Alias Company="Beta Inc" Product="Beta" Version="2.0" CompanyA="B{[~E9~]}ta Works"
  ProductA="Beta" VersionA="2.0"/></Catalogue>
XML

log=$root/Programme/Müller/app.log
field() { tr -d '\r' <"$log" | sed -n "s/^$1=//p" | sed -n "${2}p"; }
# The document's short path holds plain characters only, and names exactly the document, and its
# folder is the working folder.
check_start() {  # WHAT EXTENSION RECORD
  local args; args=$(field args "$3")
  check "$1: a short path of plain characters, the document itself, its folder the working folder" \
    "yes|$R\\$folder\\$name.$2|$R\\$folder" \
    "$(LC_ALL=C grep -qx '[ -~]\+' <<<"$args" && echo yes)|$(field longargs "$3")|$(field longcwd "$3")"
}

open_chooser "the document named in three scripts" "$BIN/qxh1_client.exe" 8 open \
  "$R\\$folder\\$name.tuni" ""
check "the type's rows, the escaped é, the Greek company of the default" \
  "CAPTION=  [.tuni] - $CHOOSER 
Acme - Alpha|1.0
Béta Works - Beta|2.0
Ελληνικά Εργαλεία - Σημειωματάριο|2.7.0.1    [Windows Default]" \
  "$(grep '^CAPTION=' <<<"$view")
$(rows_of "$view")"
xdotool key Down Return
ended_by "Down Return"
check "the pick is handled" 0 "$got"
await 15 "the picked program's record" test -s "$log"
check_start "the program picked" tuni 1

rm -f "$SERVER_DIR"/Bl1.*
check "the type's default program is started" 0 \
  "$(request_vtable 8 open "$R\\$folder\\$name.tund" "")"
await 15 "the default program's record" eval '[ "$(field args 2)" ]'
check_start "the type's default" tund 2
finish
