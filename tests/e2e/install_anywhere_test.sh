# The server installed under a folder named outside the ANSI code page, by the Windows Installer
# package and by its own /RegServer: the class's registration names the real path, a client gets
# answers, and the ignore markers beside the server work.
. "$TAVREL_E2E/lib.sh"
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
make_msi "$SERVER" 1.0.0 "$work/package.msi"
check "the package is built" 0 $?

# The class's local server as the registry holds it, an armed marker beside the installed server
# used up by a request it passes straight through, and the installed server's end.
registered() {  # WHAT
  local key='CLSID\{3E01F5C9-020B-4F24-8F39-2B41D016F7CB}\LocalServer32'
  check "$1 registers the real path" "@=\"\\\"${installed//\\/\\\\}\\\"\"" "$(exported "$key" 64 | grep '^@=')"
  rm -f "$programs"/Bl1.*
  touch "$programs/Bl1.ign"
  check "the server $1 registered answers and uses up its marker" "1 Bl1.ok" \
    "$(request_vtable 8 open 'C:\absent.txt' '') $(cd "$programs" && ls Bl1.*)"
  await 15 "the installed server's end" eval '! pgrep -f -- "Tävrel.日本.Programs" >/dev/null'
}

msiexec /i "$(winpath "$work/package.msi")" /qn TAVRELFOLDER="$folder\\"
check "the package installs under the folder" 0 "$?$(cmp -s "$SERVER" "$programs/TavrelCommander.exe" || echo ' not copied')"
registered "the package"
wine_run "$installed" /UnregServer && wine_run "$installed" /RegServer
check "/RegServer from the folder exits 0" 0 $?
registered /RegServer
finish
