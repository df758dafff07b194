# The Windows Installer package under Wine: a silent install that 64-bit and 32-bit clients, late
# and early bound, can use; the same registry entries as the installed server's own /RegServer;
# upgrades (newer: replaces, older: refused, same version rebuilt: replaces); and a removal that
# takes the server, its markers and its keys and keeps the data package.
. "$TAVREL_E2E/lib.sh"
work=$(mktemp -d)
programs=$WINEPREFIX/drive_c/Program\ Files/Tavrel/Programs
data=$WINEPREFIX/drive_c/Program\ Files/Tavrel/Data
installed='C:\Program Files\Tavrel\Programs\TavrelCommander.exe'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
products() {  # code|version: the product code or the version of each installed copy
  wine_run reg query "$uninstall_key" /s /reg:64 2>/dev/null | tr -d '\r' | awk -v want="$1" '
    /^HKEY/ { code = $0; sub(/.*\\/, "", code) }
    / DisplayName .*Tavrel Ferrule Expert Program Chooser$/ { mine = code }
    / DisplayVersion / && code == mine { print want == "code" ? code : $3 }' | tr '\n' ' '
}
remove_products() { for code in $(products code); do msiexec /x "$code" /qn; done; }
cleanup() {
  # Leaves the prefix as the other tests expect it: nothing installed, the build's server registered.
  remove_products
  rm -rf "$work" "$WINEPREFIX/drive_c/Program Files/Tavrel"
  wine_run "$SERVER" /RegServer
}
remove_products
wine_run "$SERVER" /UnregServer

make_msi "$SERVER" 1.0.0 "$work/older.msi" &&
  cp "$SERVER" "$work/newer.exe" && echo 'newer build' >>"$work/newer.exe" &&
  make_msi "$work/newer.exe" 1.0.1 "$work/newer.msi" && make_msi "$work/newer.exe" 1.0.1 "$work/rebuilt.msi"
check "the packages are built" 0 $?

# The class's keys in the 64-bit view and the interface's in the 32-bit view, as exported text.
registry() {
  local view key
  for view in 64 32; do
    for key in 'CLSID\{3E01F5C9-020B-4F24-8F39-2B41D016F7CB}' TavrelCommander.TavrelCH1Exe \
      'TypeLib\{4DF4892A-9785-4479-BBD9-8E35AE6C9592}' 'Interface\{BDD19559-E1AB-42CB-8E43-BA0F5275BAE5}'; do
      exported "$key" $view
    done
  done
}
# Waits for the installed server to end once its clients let go; one that outlives a failed client
# (it would hold the files the installer replaces) is ended: only this prefix's.
server_ended() {
  local pid pattern='Tavrel.Programs.TavrelCommander\.exe'
  for _ in $(seq 50); do pgrep -f -- "$pattern" >/dev/null && sleep 0.2 || return; done
  for pid in $(pgrep -f -- "$pattern"); do
    grep -qzx "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null && kill -9 "$pid"
  done
}

same() { cmp -s "$1" "$programs/TavrelCommander.exe" && echo installed; }  # SERVER
msiexec /i "$(winpath "$work/older.msi")" /qn
check "a silent install exits 0, installs the server, an empty Data folder beside Programs" \
  "0 installed " "$? $(same "$SERVER") $(ls -A "$data" 2>&1)"

vbs=$(winpath "$TAVREL_E2E/qxh1.vbs")
# A client that cannot reach the interface may wait for ever: it gets a bounded time. Its output
# goes to a file: a server that a failed client leaves running inherits it, and would keep a pipe
# open for ever.
client() {  # PREFIX...: runs a client for one request; prints what it said
  timeout 15 "$@" 8 open 'C:\absent.txt' '' >"$work/client.txt" 2>&1 </dev/null
  tr -d '\r' <"$work/client.txt"
}
late() { result_in "$(client "$1" "$2" //nologo "$vbs")"; }
early() { result_in "$(client "$@")"; }
check "64-bit late-bound client" 1 "$(late "$wine64" cscript)"
check "32-bit late-bound client" 1 "$(late "$TAVREL_WINE" 'C:\windows\syswow64\cscript.exe')"
check "64-bit early-bound client" 1 "$(early "$TAVREL_WINE" "$BIN/qxh1_client.exe")"
check "32-bit early-bound client" 1 "$(early "$TAVREL_WINE" "$BIN/qxh1_client32.exe")"
server_ended

# The installed server's own registration writes exactly what the package wrote.
registry >"$work/package.txt"
wine_run "$installed" /UnregServer && wine_run "$installed" /RegServer
check "/RegServer writes what the package writes" "" \
  "$(registry | diff "$work/package.txt" - | head -n 20)"

echo 'package' >"$data/QXTavrel.dat"
msiexec /i "$(winpath "$work/newer.msi")" /qn
check "an upgrade exits 0 and leaves one product, the newer one, installed and answering" \
  "0 1.0.1  installed 1" \
  "$? $(products version) $(same "$work/newer.exe") $(early "$TAVREL_WINE" "$BIN/qxh1_client32.exe")"
server_ended
msiexec /i "$(winpath "$work/older.msi")" /qn
refused=$?  # 1603 on Windows; Wine passes on the low 8 bits only
check "an older package refuses to install over a newer one" "1.0.1 refused" \
  "$(products version)$([ "$refused" -ne 0 ] && echo refused)"
before=$(products code)
msiexec /i "$(winpath "$work/rebuilt.msi")" /qn
check "a rebuild of the same version replaces it" "0 1.0.1 replaced" \
  "$? $(products version)$([ "$(products code)" != "$before" ] && echo replaced)"

touch "$programs/Bl1.ign" "$programs/Bl1.ok"
msiexec /x "$(winpath "$work/rebuilt.msi")" /qn
check "a silent removal exits 0, takes the product, its registry entries and Programs with the \
server and its markers, and keeps the data package" "0||1|package" \
  "$?|$(products version)$(registry)|$([ -e "$programs" ]; echo $?)|$(cat "$data/QXTavrel.dat" 2>&1)"
finish
