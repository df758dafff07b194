# Shared helpers of the end-to-end tests (sourced). Expects TAVREL_BUILD, TAVREL_WINE, TAVREL_E2E
# and TAVREL_WINEPREFIX.
#
# Every Windows program a test runs has a time limit of its own, and so has every wait: a hung call
# or a lost click fails within seconds with a TIMEOUT line that says what was missing, instead of
# running into the test's overall limit. When the test ends, whatever it left running (background
# clients, this build's server) is ended too, and so are the data package and the markers beside
# the build's server. A test defines cleanup() for its own files.
set -u
WINEPREFIX=$TAVREL_WINEPREFIX; export WINEPREFIX
export WINEDEBUG=-all
export LC_ALL=C.UTF-8  # Wine reads names and arguments outside ASCII as UTF-8, as these scripts are
DISPLAY=:$(cat "${TAVREL_DISPLAY_FILE:-$TAVREL_BUILD/xvfb.display}"); export DISPLAY
BIN=$TAVREL_BUILD/tests/bin
SERVER=$TAVREL_BUILD/bin/TavrelCommander.exe
SERVER_DIR=$TAVREL_BUILD/bin  # where the server looks for its markers and its Data folder
RECORDER=$TAVREL_BUILD/tests/support/recorder.exe  # notes its start in NAME.log beside itself
CHOOSER='Tavrel Ferrule Choices'  # the chooser's caption
CALL_LIMIT=${TAVREL_CALL_LIMIT:-90}  # seconds for one Windows program (a machine under load is slow)
passed=0
failed=0
test_name=$(basename "$0" .sh)
timeouts=$(mktemp)
out=$(mktemp)  # the output of the client started in the background

# TIMEOUT lines are collected in a file: they are also written from command substitutions.
note_missing() { echo "TIMEOUT: $1" | tee -a "$timeouts" >&2; }

# limited SECONDS WHAT COMMAND...: runs COMMAND; when it has not ended after SECONDS, it is killed
# and WHAT is noted as missing. Only COMMAND itself is signalled (--foreground): a Wine session it
# happened to boot (services, explorer) belongs to the later tests too.
limited() {
  local limit=$1 what=$2 status; shift 2
  timeout --foreground -k 5 "$limit" "$@"
  status=$?
  if ((status == 124 || status == 137)); then note_missing "$what (gave up after $limit s)"; fi
  return $status
}

wine_run() { limited "$CALL_LIMIT" "the end of $(basename "$1") ${*:2}" "$TAVREL_WINE" "$@"; }

# The X tools wait for windows (search --sync, windowfocus --sync): they have a limit too.
xdotool() { limited 60 "xdotool $*" "$(type -P xdotool)" "$@"; }

# The chooser takes clicks and keys once the X server shows it and has given it the keyboard
# focus; Windows calls it visible (and a program may print that it is shown) a moment earlier.
chooser_has_focus() {
  local focus
  focus=$(xdotool getwindowfocus 2>/dev/null) &&
    xdotool search --onlyvisible --name "$CHOOSER" 2>/dev/null | grep -qx "$focus"
}
await_chooser_input() { await 30 "the keyboard focus on the chooser" chooser_has_focus; }

# await SECONDS WHAT COMMAND...: runs COMMAND (in this shell, so it may set variables) until it
# succeeds; after SECONDS, WHAT is noted as missing and 1 returned.
await() {
  local limit=$1 what=$2 end=$((SECONDS + $1)); shift 2
  until "$@"; do
    if ((SECONDS >= end)); then
      note_missing "$what (waited $limit s)"
      return 1
    fi
    sleep 0.1
  done
}

# start_client OUT PROGRAM ARGS...: a Windows program in the background, with the call limit; its
# output in OUT and its process in $client. Waiting for it is done here, never in a $(...)
# subshell, which cannot wait for this shell's jobs.
start_client() {
  local output=$1; shift
  timeout --foreground -k 5 "$CALL_LIMIT" "$TAVREL_WINE" "$@" >"$output" 2>&1 &
  client=$!
}
client_ended() { ! kill -0 "$client" 2>/dev/null; }
# await_client SECONDS WHAT: waits for $client to end; after SECONDS it is ended and WHAT noted.
await_client() {
  await "$1" "$2" client_ended || kill "$client" 2>/dev/null
  wait "$client" 2>/dev/null
  if (($? == 124)); then note_missing "$2 (the program was stopped after $CALL_LIMIT s)"; fi
  return 0
}

# The server's chooser read from outside by chooser_probe.exe; "NONE" when none is shown.
probe() { wine_run "$BIN/chooser_probe.exe" "$@" 2>/dev/null | tr -d '\r'; }
# The rows of a probe's view, "<column 1>|<column 2>" each.
rows_of() { sed -n 's/^ROW [0-9]* [0-9]* [0-9]* //p' <<<"$1"; }
# Where row N of the view in $view lies on the screen: "X Y".
row_xy() { awk -v r="$1" '$1 == "ROW" && $2 == r { print $3, $4 }' <<<"$view"; }
chooser_shown() { view=$(probe) && grep -q '^ROW ' <<<"$view"; }
# open_chooser WHAT CLIENT ARGS...: a request through a client (in $client, its output in $out)
# left waiting for its chooser, which has the keyboard focus; the probe's view of it in $view.
open_chooser() {
  local what=$1; shift
  view=
  start_client "$out" "$@"
  await 30 "the chooser of $what" chooser_shown && await_chooser_input
}
# harness ARGS...: chooser_harness.exe (in $client) waiting with its chooser, which has the
# keyboard focus; what the harness printed in $view. 1 when the chooser did not come.
harness() {
  start_client "$out" "$BIN/chooser_harness.exe" "$@"
  if await 30 "the harness's chooser" grep -q SHOWN "$out" && await_chooser_input; then
    view=$(tr -d '\r' <"$out")
    return
  fi
  kill "$client" 2>/dev/null
  wait "$client"
  return 1
}
# The result a client printed: the vtable client's "HRESULT=0x00000000 RESULT=N", the VBScript
# client's "RESULT=N TYPE=Long" or the harness's "PICK=N"; else nothing, and the output shown.
result_in() {  # OUTPUT
  local value
  value=$(tr -d '\r' <<<"$1" | sed -n -e 's/^PICK=//p' \
    -e 's/^\(HRESULT=0x00000000 \)\{0,1\}RESULT=\([-0-9]*\)\( TYPE=Long\)\{0,1\}$/\2/p')
  [ -n "$value" ] || echo "  client said: $1" >&2
  echo "$value"
}
# The client left waiting for its chooser ends within seconds of ACTION; its result in $got.
ended_by() { await_client 20 "the end of the request after $1"; got=$(result_in "$(cat "$out")"); }
escape() { xdotool key Escape; ended_by Escape; }

# The Windows form of a Unix path.
winpath() { wine_run winepath -w "$1" 2>/dev/null | tr -d '\r'; }
# The user's work folder (%TEMP%\ZV) as a Unix path.
work_folder() {
  wine_run winepath -u "$(wine_run cmd /c echo %TEMP% | tr -d '\r')\\ZV" 2>/dev/null | tr -d '\r'
}
# doc_type EXT CLASS PROGRAM: documents of type EXT open with the Windows PROGRAM.
doc_type() {
  wine_run reg add "HKCR\\$1" /ve /d "$2" /f >/dev/null 2>&1
  wine_run reg add "HKCR\\$2\\shell\\open\\command" /ve /d "\"$3\" \"%1\"" /f >/dev/null 2>&1
}
forget_type() { local key; for key in "$@"; do wine_run reg delete "HKCR\\$key" /f >/dev/null 2>&1; done; }
# pack PACKAGE FOLDER [OPTION...]: the data package PACKAGE (a Unix path) of the Windows FOLDER.
pack() {
  mkdir -p "$(dirname "$1")"
  wine_run "$TAVREL_BUILD/tools/tavrel-pack/tavrel-pack.exe" create "${@:3}" "$(winpath "$1")" \
    "$2" >/dev/null
}

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

# "on" when the rectangle L T R B lies wholly inside ML MT MR MB, else both.
on() {
  (($1 >= $5 && $2 >= $6 && $3 <= $7 && $4 <= $8)) && echo on || echo "$1,$2-$3,$4 off $5,$6-$7,$8"
}
# "beside" when the point X Y lies inside the rectangle L T R B or at most 8 pixels from it.
beside() {
  local dx=$(($1 < $3 ? $3 - $1 : $1 >= $5 ? $1 - $5 + 1 : 0))
  local dy=$(($2 < $4 ? $4 - $2 : $2 >= $6 ? $2 - $6 + 1 : 0))
  ((dx <= 8 && dy <= 8)) && echo beside || echo "$1,$2 far from $3,$4-$5,$6"
}

# One request through the C++ client on the vtable; prints the result only.
request_vtable() { result_in "$(wine_run "$BIN/qxh1_client.exe" "$@" 2>&1)"; }  # LINES VERB DOCUMENT STATUS

# The Windows Installer, run by the 64-bit loader ("wine" starts Wine's own programs as 32-bit
# ones), with a time limit: an installer waits for ever for a server that is still running.
wine64=/usr/lib/wine/wine64
msiexec() { timeout 40 "$wine64" msiexec "$@"; }
make_msi() { "$TAVREL_E2E/../../installer/make-msi.sh" "$@"; }  # SERVER VERSION MSI
# exported KEY VIEW: the key of HKLM\Software\Classes as "reg export" writes it, less the header.
exported() {
  local file; file=$(mktemp)
  wine_run reg export "HKLM\\Software\\Classes\\$1" "$(winpath "$file")" /reg:"$2" /y >/dev/null 2>&1 &&
    iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r' | sed 1d
  rm -f "$file"
}

# This build's server processes, found by the server's Windows path on their command lines.
server_pattern=
server_pids() {
  [ -n "$server_pattern" ] || server_pattern=$(winpath "$SERVER" | sed 's/[][\\.*^$]/\\&/g')
  pgrep -if -- "$server_pattern"
}

# Waits until no process of this build's server is left; prints "gone" or "running".
server_gone() {  # [SECONDS]
  local end=$((SECONDS + ${1:-10}))
  while server_pids >/dev/null; do
    ((SECONDS < end)) || { echo running; return; }
    sleep 0.2
  done
  echo gone
}

finish() {
  if [ -s "$timeouts" ]; then
    failed=$((failed + 1))
    echo "time limits ran out: $(wc -l <"$timeouts")"
  fi
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

# On the way out: background clients still running are ended, and so is a server of this build
# that has not left by itself (within the idle grace period) once they are gone; then the test's
# own cleanup runs. A killed server's class registration stays behind in the Wine session and
# makes later activations fail, so a server is only killed when it is stuck.
end_test() {
  local status=$? job pids
  for job in $(jobs -p); do kill "$job" 2>/dev/null; done
  wait 2>/dev/null
  if [ "$(server_gone 15)" = running ] && pids=$(server_pids); then
    echo "ended a server that was still running: $pids"
    kill $pids 2>/dev/null
  fi
  if [ "$(type -t cleanup)" = function ]; then cleanup; fi
  rm -rf "$timeouts" "$out" "$SERVER_DIR/Data" "$SERVER_DIR"/Bl1.*
  exit "$status"
}
trap end_test EXIT
rm -rf "$SERVER_DIR/Data" "$SERVER_DIR"/Bl1.*
