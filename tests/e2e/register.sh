# Registers the server machine-wide in the test prefix, as an installer would, after checking
# that unregistering removes what registering wrote and that other arguments do nothing.
. "$TAVREL_E2E/lib.sh"
progid_clsid() {
  wine_run reg query 'HKCR\TavrelCommander.TavrelCH1Exe\CLSID' /ve 2>/dev/null | tr -d '\r' |
    grep -o '{[-0-9A-F]*}'
}
wine_run "$SERVER" /RegServer
check "registration exit code" 0 $?
wine_run "$SERVER" /UnregServer
check "unregistration exit code" 0 $?
check "unregistering removes the ProgID" "" "$(progid_clsid)"
# Views given explicitly: "wine reg" is the 32-bit reg.exe when Wine's 32-bit part is installed.
for entry in 'CLSID\{3E01F5C9-020B-4F24-8F39-2B41D016F7CB} 64' \
  'TypeLib\{4DF4892A-9785-4479-BBD9-8E35AE6C9592} 64' 'Interface\{BDD19559-E1AB-42CB-8E43-BA0F5275BAE5} 32'; do
  check "unregistering removes ${entry% *} (${entry#* }-bit view)" 1 \
    "$(wine_run reg query "HKCR\\${entry% *}" /reg:"${entry#* }" >/dev/null 2>&1; echo $?)"
done
wine_run "$SERVER" /nothing-to-do
check "an unknown argument does nothing" "0 " "$? $(progid_clsid)"
wine_run "$SERVER" /RegServer
check "registration exit code" 0 $?
check "ProgID names the class" "{3E01F5C9-020B-4F24-8F39-2B41D016F7CB}" "$(progid_clsid)"
finish
