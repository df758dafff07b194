# Requests served from the data package: a package replaced between two requests gives the new
# rows. Then, with a temporary folder and an install folder named with "é" and "日本", the
# package's rows with nothing written to the temporary folder while the chooser is open, and a
# QXAdd.dat in the work folder read. A damaged package is the Windows unpack tests'.
. "$TAVREL_E2E/lib.sh"
flow=$WINEPREFIX/drive_c/tavrel-read
uni='Tavrel é 日本'
inst=$WINEPREFIX/drive_c/$uni
env_value() { wine_run reg query 'HKCU\Environment' /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"; }
saved="$(env_value TEMP)|$(env_value TMP)"
set_temp() {  # TEMP [TMP]: the temporary folder of every process started from here on
  wine_run reg add 'HKCU\Environment' /v TEMP /t REG_EXPAND_SZ /d "$1" /f >/dev/null 2>&1
  wine_run reg add 'HKCU\Environment' /v TMP /t REG_EXPAND_SZ /d "${2:-$1}" /f >/dev/null 2>&1
}
cleanup() {
  set_temp "${saved%|*}" "${saved#*|}"
  [ -f "$inst/Programs/TavrelCommander.exe" ] && wine_run "$SERVER" /RegServer
  rm -rf "$flow" "$inst"
}
rm -rf "$flow" "$inst"

mkdir -p "$flow/Apps" "$flow/Docs" "$flow/pkg" "$flow/temp"
cp "$RECORDER" "$flow/Apps/alpha.exe"
cp "$RECORDER" "$flow/Apps/beta.exe"
echo text >"$flow/Docs/a.tfread"
echo '<c/>' >"$flow/pkg/QXcat.xml"
A='.tfread|Alpha Soft - Alpha|1.0|OK|C:\tavrel-read\Apps\alpha.exe|C:\tavrel-read\Apps\alpha.exe'
B='.tfread|Beta Inc - Beta|2.0|OK|C:\tavrel-read\Apps\beta.exe|C:\tavrel-read\Apps\beta.exe'
package() {  # PACKAGE LINE...: a package whose QXAdd.dat holds the lines
  printf '%s\r\n' "${@:2}" >"$flow/pkg/QXAdd.dat"
  pack "$1" 'C:\tavrel-read\pkg'
}
package "$SERVER_DIR/Data/QXTavrel.dat" "$A"
server_gone >/dev/null  # a server still running keeps the temporary folder it started with
set_temp 'C:\tavrel-read\temp'

rows() {  # the rows of a chooser, less the Windows default, closed with Escape
  open_chooser "the request" "$BIN/qxh1_client.exe" 8 open 'C:\tavrel-read\Docs\a.tfread' ""
  rows_of "$view" | head -n -1
  escape >/dev/null
}
check "the package's rows" "Alpha Soft - Alpha|1.0" "$(rows)"
package "$flow/new.dat" "$B" "$A"
mv "$flow/new.dat" "$SERVER_DIR/Data/QXTavrel.dat"
check "a package replaced between two requests gives the new rows" \
  "Beta Inc - Beta|2.0
Alpha Soft - Alpha|1.0" "$(rows)"

# Folder names outside ASCII: the temporary folder and the install folder.
check "the server of the build folder has gone" gone "$(server_gone)"
mkdir -p "$inst/Programs" "$inst/Data" "$inst/Temp"
cp "$SERVER" "$inst/Programs/TavrelCommander.exe"
cp "$SERVER_DIR/Data/QXTavrel.dat" "$inst/Data/QXTavrel.dat"
# Registered there the way an installer writes it, through the wide registry API.
wine_run reg add 'HKLM\Software\Classes\CLSID\{3E01F5C9-020B-4F24-8F39-2B41D016F7CB}\LocalServer32' /ve /reg:64 \
  /d "\"C:\\$uni\\Programs\\TavrelCommander.exe\"" /f >/dev/null 2>&1
set_temp "C:\\$uni\\Temp"
temp_files() { (cd "$inst/Temp" && find . | sort | tr '\n' ' '); }
before=$(temp_files)
open_chooser "the request" "$BIN/qxh1_client.exe" 8 open 'C:\tavrel-read\Docs\a.tfread' ""
check "the package in that install folder gives its rows; nothing appears in its temporary folder" \
  "Beta Inc - Beta|2.0
Alpha Soft - Alpha|1.0 $before" "$(rows_of "$view" | head -n -1) $(temp_files)"
escape
mkdir "$inst/Temp/ZV" && printf '%s\r\n' "$B" >"$inst/Temp/ZV/QXAdd.dat"
check "QXAdd.dat in a work folder named with é and 日本 is read" "Beta Inc - Beta|2.0" "$(rows)"
finish
