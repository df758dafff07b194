# The server installed under a folder named outside the ANSI code page, by the Windows Installer
# package and by its own /RegServer: the class's registration names the real path, a client gets
# answers, and the ignore markers beside the server work.
. "$TAVREL_E2E/lib.sh"
wine64=/usr/lib/wine/wine64
msiexec() { timeout 40 "$wine64" msiexec "$@"; }
work=$(mktemp -d)
folder='C:\Program Files\Tävrel 日本'
programs=$WINEPREFIX/drive_c/Program\ Files/Tävrel\ 日本/Programs
installed="$folder\\Programs\\TavrelCommander.exe"
cleanup() {
  msiexec /x "$(winpath "$work/package.msi")" /qn
  rm -rf "$work" "$WINEPREFIX/drive_c/Program Files/Tävrel 日本"
  wine_run "$SERVER" /RegServer
}
wine_run "$SERVER" /UnregServer
"$TAVREL_E2E/../../installer/make-msi.sh" "$SERVER" 1.0.0 "$work/package.msi"
check "the package is built" 0 $?

# The class's local server as the registry holds it (reg export writes UTF-16).
local_server() {
  rm -f "$work/key.reg"
  wine_run reg export 'HKLM\Software\Classes\CLSID\{3E01F5C9-020B-4F24-8F39-2B41D016F7CB}\LocalServer32' \
    "$(winpath "$work/key.reg")" /reg:64 /y >/dev/null 2>&1 &&
    iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r' | sed -n 's/^@=//p'
}
# A request the armed marker beside the installed server passes straight through: it is used up.
marker_used() {
  rm -f "$programs"/Bl1.*
  touch "$programs/Bl1.ign"
  echo "$(request_vtable 8 open 'C:\absent.txt' '') $(cd "$programs" && ls Bl1.*)"
}
installed_server_ended() { await 15 "the installed server's end" eval '! pgrep -f -- "Tävrel.日本.Programs" >/dev/null'; }

msiexec /i "$(winpath "$work/package.msi")" /qn TAVRELFOLDER="$folder\\"
check "the package installs under the folder" 0 "$?$(cmp -s "$SERVER" "$programs/TavrelCommander.exe" || echo ' not copied')"
check "the package registers the real path" "\"\\\"${installed//\\/\\\\}\\\"\"" "$(local_server)"
check "the installed server answers and uses up its marker" "1 Bl1.ok" "$(marker_used)"
installed_server_ended

wine_run "$installed" /UnregServer && wine_run "$installed" /RegServer
check "/RegServer from the folder exits 0" 0 $?
check "/RegServer registers the real path" "\"\\\"${installed//\\/\\\\}\\\"\"" "$(local_server)"
check "the server it registered answers and uses up its marker" "1 Bl1.ok" "$(marker_used)"
installed_server_ended
finish
