# Registers the server machine-wide in the test prefix, as an installer would.
. "$TAVREL_E2E/lib.sh"
wine_run "$SERVER" /RegServer
check "registration exit code" 0 $?
clsid=$(wine_run reg query 'HKCR\TavrelCommander.TavrelCH1Exe\CLSID' /ve 2>/dev/null | tr -d '\r' |
  grep -o '{[-0-9A-F]*}')
check "ProgID names the class" "{3E01F5C9-020B-4F24-8F39-2B41D016F7CB}" "$clsid"
finish
