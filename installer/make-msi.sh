#!/usr/bin/env bash
# make-msi.sh SERVER_EXE VERSION OUT.msi: builds the Windows Installer package of the server from
# TavrelCommander.wxs with wixl, then adds what wixl cannot express with msibuild.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exe=$(realpath "$1") version=$2 out=$(realpath -m "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$(dirname "$out")"
rm -f "$out"
# wixl looks sources up from the current folder.
cp "$exe" "$work/TavrelCommander.exe"
(cd "$work" && wixl -a x64 -D Version="$version" -D ServerExe=TavrelCommander.exe -o "$out" \
  "$here/TavrelCommander.wxs")
# The class's Programmable key has no value ('*': made on install, removed with the product), and
# the markers the server keeps beside itself go when the product is removed (install mode 2).
msibuild "$out" \
  -q "INSERT INTO \`Registry\` (\`Registry\`, \`Root\`, \`Key\`, \`Name\`, \`Component_\`) VALUES
      ('Programmable', 2, 'Software\\Classes\\CLSID\\{3E01F5C9-020B-4F24-8F39-2B41D016F7CB}\\Programmable',
       '*', 'Server')" \
  -q "INSERT INTO \`RemoveFile\` (\`FileKey\`, \`Component_\`, \`FileName\`, \`DirProperty\`, \`InstallMode\`)
      VALUES ('MarkerIgnore', 'Server', 'Bl1.ign', 'ProgramsFolder', 2)" \
  -q "INSERT INTO \`RemoveFile\` (\`FileKey\`, \`Component_\`, \`FileName\`, \`DirProperty\`, \`InstallMode\`)
      VALUES ('MarkerDone', 'Server', 'Bl1.ok', 'ProgramsFolder', 2)"
