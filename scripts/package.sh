#!/usr/bin/env bash
# Builds the Windows Installer package build/dist/TavrelCommander-<version>-x64.msi: installs what
# it needs, cross-builds the server, and packs it with installer/make-msi.sh. The version is the
# one the server's version resource carries.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build-windows.sh"
version=$(sed -n 's/^#define TAVREL_VERSION_TEXT "\(.*\)"$/\1/p' "$root/src/server/version.h")
[ -n "$version" ] || { echo "package: no version in src/server/version.h" >&2; exit 1; }
out=$root/build/dist/TavrelCommander-$version-x64.msi
"$root/installer/make-msi.sh" "$root/build/mingw/bin/TavrelCommander.exe" "$version" "$out"
echo "package: $out"
