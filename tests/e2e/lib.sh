# Shared helpers of the end-to-end tests (sourced). Expects TAVREL_BUILD, TAVREL_WINE, TAVREL_E2E.
set -u
WINEPREFIX=${TAVREL_WINEPREFIX:-$TAVREL_BUILD/wineprefix}; export WINEPREFIX
export WINEDEBUG=-all
DISPLAY=:$(cat "$TAVREL_BUILD/xvfb.display"); export DISPLAY
BIN=$TAVREL_BUILD/tests/bin
SERVER=$TAVREL_BUILD/bin/TavrelCommander.exe
passed=0
failed=0
test_name=$(basename "$0" .sh)

wine_run() { "$TAVREL_WINE" "$@"; }

# The Windows form of a Unix path.
winpath() { wine_run winepath -w "$1" 2>/dev/null | tr -d '\r'; }

check() {  # check DESCRIPTION EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $1: expected [$2], got [$3]"
    import -window root "$TAVREL_BUILD/e2e-$test_name-$failed.png" 2>/dev/null &&
      echo "  screenshot: $TAVREL_BUILD/e2e-$test_name-$failed.png"
  fi
}

# Prints the number between "$1" and "$2" on a line of the client's output "$3"; shows the whole
# output when there is none.
result_of() {
  local value; value=$(sed -n "s/^$1\([-0-9]*\)$2\$/\1/p" <<<"$3")
  [ -n "$value" ] || echo "  client said: $3" >&2
  echo "$value"
}

# One request through the late-bound VBScript client; prints the result only.
request_vbs() {  # LINES VERB DOCUMENT STATUS
  result_of "RESULT=" " TYPE=Long" "$(wine_run cscript //nologo "$(winpath "$TAVREL_E2E/qxh1.vbs")" "$@" 2>&1 |
    tr -d '\r')"
}

# One request through the C++ client on the vtable; prints the result only.
request_vtable() {  # LINES VERB DOCUMENT STATUS
  result_of "HRESULT=0x00000000 RESULT=" "" "$(wine_run "$BIN/qxh1_client.exe" "$@" 2>&1 | tr -d '\r')"
}

# Waits until no process of this build's server is left; prints "gone" or "running".
server_gone() {
  local pattern; pattern=$(winpath "$SERVER" | sed 's/[][\\.*^$]/\\&/g')
  for _ in $(seq 50); do
    pgrep -if -- "$pattern" >/dev/null || { echo gone; return; }
    sleep 0.2
  done
  echo running
}

finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
