# Requests served from the data package: a package replaced between two requests gives the new
# rows. Then, with a temporary folder and an install folder named with "é" and "日本", the
# package's rows with nothing written to the temporary folder while the chooser is open, and a
# QXAdd.dat in the work folder read. A damaged package is the Windows unpack tests'.
. "$TAVREL_E2E/lib.sh"
bin_dir=$(dirname "$SERVER")
flow=$WINEPREFIX/drive_c/tavrel-read
uni='Tavrel é 日本'
inst=$WINEPREFIX/drive_c/$uni
out=$(mktemp)
env_value() { wine_run reg query 'HKCU\Environment' /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"; }
saved_temp=$(env_value TEMP)
saved_tmp=$(env_value TMP)
set_temp() {  # WINDOWS-PATH: the temporary folder of every process started from here on
  wine_run reg add 'HKCU\Environment' /v TEMP /t REG_EXPAND_SZ /d "$1" /f >/dev/null 2>&1
  wine_run reg add 'HKCU\Environment' /v TMP /t REG_EXPAND_SZ /d "$1" /f >/dev/null 2>&1
}
cleanup() {
  set_temp "$saved_temp"
  wine_run reg add 'HKCU\Environment' /v TMP /t REG_EXPAND_SZ /d "$saved_tmp" /f >/dev/null 2>&1
  [ -f "$inst/Programs/TavrelCommander.exe" ] && wine_run "$SERVER" /RegServer
  rm -rf "$out" "$bin_dir/Data" "$flow" "$inst"
  wine_run reg delete 'HKCR\.tfread' /f >/dev/null 2>&1
}
rm -rf "$bin_dir/Data" "$flow" "$inst"

mkdir -p "$flow/Apps" "$flow/Docs" "$flow/pkg" "$flow/temp" "$bin_dir/Data"
cp "$TAVREL_BUILD/tests/support/recorder.exe" "$flow/Apps/alpha.exe"
cp "$TAVREL_BUILD/tests/support/recorder.exe" "$flow/Apps/beta.exe"
echo text >"$flow/Docs/a.tfread"
A='C:\tavrel-read\Apps\alpha.exe'
B='C:\tavrel-read\Apps\beta.exe'
pack() {  # PACKAGE-PATH LINE...: a package whose QXAdd.dat holds the lines
  local target=$1; shift
  printf '%s\r\n' "$@" >"$flow/pkg/QXAdd.dat"
  echo '<c/>' >"$flow/pkg/QXcat.xml"
  wine_run "$TAVREL_BUILD/tools/tavrel-pack/tavrel-pack.exe" create "$(winpath "$target")" \
    'C:\tavrel-read\pkg' >/dev/null
}
pack "$bin_dir/Data/QXTavrel.dat" ".tfread|Alpha Soft - Alpha|1.0|OK|$A|$A"
server_gone >/dev/null  # a server still running keeps the temporary folder it started with
set_temp 'C:\tavrel-read\temp'

open_document() {  # waits for the chooser; its rows without the Windows default in $rows
  open_chooser "the request" "$BIN/qxh1_client.exe" 8 open 'C:\tavrel-read\Docs\a.tfread' ""
  rows=$(rows_of "$view" | head -n -1)
}
close_chooser() {  # Escape; the request's result in $got
  xdotool key Escape
  ended_by Escape
}

open_document
check "the package's rows" "Alpha Soft - Alpha|1.0" "$rows"
close_chooser

pack "$flow/new.dat" ".tfread|Beta Inc - Beta|2.0|OK|$B|$B" ".tfread|Alpha Soft - Alpha|1.0|OK|$A|$A"
mv "$flow/new.dat" "$bin_dir/Data/QXTavrel.dat"
open_document
check "a package replaced between two requests gives the new rows" \
  "Beta Inc - Beta|2.0
Alpha Soft - Alpha|1.0" "$rows"
close_chooser

cp "$bin_dir/Data/QXTavrel.dat" "$flow/good.dat"

# Folder names outside ASCII: the temporary folder and the install folder.
check "the server of the build folder has gone" gone "$(server_gone)"
mkdir -p "$inst/Programs" "$inst/Data" "$inst/Temp"
cp "$SERVER" "$inst/Programs/TavrelCommander.exe"
cp "$flow/good.dat" "$inst/Data/QXTavrel.dat"
# Registered there the way an installer writes it, through the wide registry API.
wine_run reg add 'HKLM\Software\Classes\CLSID\{3E01F5C9-020B-4F24-8F39-2B41D016F7CB}\LocalServer32' /ve /reg:64 \
  /d "\"C:\\$uni\\Programs\\TavrelCommander.exe\"" /f >/dev/null 2>&1
set_temp "C:\\$uni\\Temp"
before=$(cd "$inst/Temp" && find . | sort | tr '\n' ' ')
open_document
check "the package in that install folder gives its rows" \
  "Beta Inc - Beta|2.0
Alpha Soft - Alpha|1.0" "$rows"
check "nothing appears in that temporary folder while the chooser is open" "$before" "$(cd "$inst/Temp" && find . | sort | tr '\n' ' ')"
close_chooser
mkdir -p "$inst/Temp/ZV"
printf '.tfread|Beta Inc - Beta|2.0|OK|%s|%s\r\n' "$B" "$B" >"$inst/Temp/ZV/QXAdd.dat"
open_document
check "QXAdd.dat in a work folder named with é and 日本 is read" "Beta Inc - Beta|2.0" "$rows"
close_chooser
finish
