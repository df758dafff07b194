#!/usr/bin/env bash
# The command line of tavrel-pack: a round trip with each encryption, a package of Info-ZIP, and
# the exit code of each failure. Usage: cli_test.sh PATH-TO-tavrel-pack
set -uo pipefail
pack=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fails=0
expect() {  # expect CODE COMMAND...: runs the command and compares its exit code
  local want=$1; shift
  "$@" >"$work/out" 2>"$work/err"; local got=$?
  if [ "$got" != "$want" ]; then
    echo "FAIL: $* exited $got, expected $want"; cat "$work/err"; fails=$((fails + 1))
  fi
}
mkdir -p "$work/in/sub" "$work/out1" "$work/out2" "$work/out3"
printf '<c/>' >"$work/in/QXcat.xml"
seq 1 2000 >"$work/in/QXAdd.dat"
echo skipped >"$work/in/sub/inner.dat"

expect 0 "$pack" create "$work/p.dat" "$work/in"
expect 0 "$pack" create --aes "$work/a.dat" "$work/in"
expect 0 "$pack" list "$work/a.dat"
grep -q "AES-256.*QXAdd.dat" "$work/out" || { echo "FAIL: list shows no AES member"; fails=$((fails + 1)); }
expect 0 "$pack" extract "$work/p.dat" "$work/out1"
expect 0 "$pack" extract "$work/a.dat" "$work/out2"
cmp -s "$work/in/QXAdd.dat" "$work/out1/QXAdd.dat" || { echo "FAIL: PKWARE round trip"; fails=$((fails + 1)); }
cmp -s "$work/in/QXAdd.dat" "$work/out2/QXAdd.dat" || { echo "FAIL: AES round trip"; fails=$((fails + 1)); }
[ ! -e "$work/out1/inner.dat" ] || { echo "FAIL: a sub-folder was packed"; fails=$((fails + 1)); }
unzip -qq -P 746Rudo+ -d "$work/out3" "$work/p.dat" || { echo "FAIL: unzip cannot read it"; fails=$((fails + 1)); }

(cd "$work/in" && zip -q -P 746Rudo+ "$work/info.dat" QXAdd.dat QXcat.xml sub/inner.dat)
expect 0 "$pack" extract "$work/info.dat" "$work/out3"
[ -e "$work/out3/inner.dat" ] || { echo "FAIL: a member in a folder was not flattened"; fails=$((fails + 1)); }
(cd "$work/in" && zip -q -P 746Rudo+ "$work/bad.dat" QXcat.xml && printf 'x' >../CON && zip -q -P 746Rudo+ "$work/bad.dat" ../CON)
expect 6 "$pack" extract "$work/bad.dat" "$work/out3"

expect 4 "$pack" extract --password wrong "$work/a.dat" "$work/out3"
expect 4 "$pack" list --password wrong "$work/a.dat"
head -c 200 "$work/p.dat" >"$work/cut.dat"
expect 5 "$pack" extract "$work/cut.dat" "$work/out3"
expect 5 "$pack" list "$work/in/QXAdd.dat"
expect 3 "$pack" extract "$work/none.dat" "$work/out3"
expect 3 "$pack" extract "$work/p.dat" "$work/no-folder"
expect 3 "$pack" create "$work/x.dat" "$work/no-folder"
expect 2 "$pack"
expect 2 "$pack" extract "$work/p.dat"
expect 2 "$pack" list --aes "$work/p.dat"
expect 2 "$pack" frobnicate

[ "$fails" = 0 ] && echo "tavrel-pack: all cases passed"
exit "$fails"
