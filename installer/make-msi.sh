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
# The class's Programmable key has no value ('*': made on install, removed with the product); the
# markers the server keeps beside itself go when the product is removed (install mode 2); and a
# rebuild of the installed version replaces it rather than installing beside it (upgrade
# attributes 513: migrate feature states, maximum version included).
msibuild "$out" \
  -q "DELETE FROM \`Upgrade\` WHERE \`ActionProperty\` = 'WIX_UPGRADE_DETECTED'" \
  -q "INSERT INTO \`Upgrade\` (\`UpgradeCode\`, \`VersionMax\`, \`Attributes\`, \`ActionProperty\`)
      VALUES ('{B58D7E84-D117-43F4-9DE1-3A4817C7455D}', '$version', 513, 'WIX_UPGRADE_DETECTED')" \
  -q "INSERT INTO \`Registry\` (\`Registry\`, \`Root\`, \`Key\`, \`Name\`, \`Component_\`) VALUES
      ('Programmable', 2, 'Software\\Classes\\CLSID\\{3E01F5C9-020B-4F24-8F39-2B41D016F7CB}\\Programmable',
       '*', 'Server')" \
  -q "INSERT INTO \`RemoveFile\` (\`FileKey\`, \`Component_\`, \`FileName\`, \`DirProperty\`, \`InstallMode\`)
      VALUES ('MarkerIgnore', 'Server', 'Bl1.ign', 'ProgramsFolder', 2)" \
  -q "INSERT INTO \`RemoveFile\` (\`FileKey\`, \`Component_\`, \`FileName\`, \`DirProperty\`, \`InstallMode\`)
      VALUES ('MarkerDone', 'Server', 'Bl1.ok', 'ProgramsFolder', 2)"
