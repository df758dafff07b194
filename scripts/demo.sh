#!/usr/bin/env bash
# The main job: builds the server, registers it in a private Wine prefix, lays out a sample
# install tree with a data package made by tavrel-pack, opens a sample document through a real
# automation client (cscript), shows the chooser, and prints the request's result and what the
# started program received.
#
# With $DISPLAY set the chooser appears there and waits for your click. Without it a private Xvfb
# display is used: the chooser is saved as screenshots, as it is and as it looks when the user's
# apps are set to dark, and its first row picked with the keyboard.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/progress.sh"
"$root/scripts/setup.sh"
"$root/scripts/build-windows.sh"
native_tools() {
  cmake -S "$root" -B "$root/build/native" -G Ninja >/dev/null
  cmake --build "$root/build/native" -j 2 --target tavrel-pack
}
step "demo: building tavrel-pack" native_tools

demo=$root/build/demo
mkdir -p "$demo"
# The checkout's one Wine prefix, which the tests use too, from its pristine state; Wine maps names
# outside ASCII only in a UTF-8 locale, which a new machine may not have set.
export WINEPREFIX=$root/build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
  LC_ALL=C.UTF-8
step "demo: Wine prefix $WINEPREFIX from its pristine state" \
  "$root/tests/support/wineprefix.sh" reset "$WINEPREFIX"
private_display=
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  "$root/tests/support/xvfb.sh" start "$demo" "$WINEPREFIX"
  DISPLAY=:$(cat "$demo/xvfb.display")
  private_display=yes
fi
export DISPLAY
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$private_display" ] && "$root/tests/support/xvfb.sh" stop "$demo" "$WINEPREFIX"
  return 0
}
trap cleanup EXIT
wineserver -p 30 </dev/null >/dev/null 2>&1 || true

# The install tree, and three sample programs (copies of the test build's recorder, which notes
# how it was started in a .log file beside itself).
drive=$WINEPREFIX/drive_c
install=$drive/Program\ Files/Tavrel
samples=$drive/Program\ Files/Tavrel\ Samples
mkdir -p "$install/Programs" "$install/Data" "$samples/Quill Writer" "$samples/Inkpad" \
  "$samples/Textpad"
cp "$root/build/mingw/bin/TavrelCommander.exe" "$install/Programs/"
rm -f "$install/Programs/Bl1.ign" "$install/Programs/Bl1.ok"  # markers of an earlier run
cp "$root/build/mingw/tests/support/recorder.exe" "$samples/Quill Writer/quill.exe"
cp "$root/build/mingw/tests/support/recorder.exe" "$samples/Inkpad/inkpad.exe"
cp "$root/build/mingw/tests/support/recorder.exe" "$samples/Textpad/textpad.exe"
rm -f "$samples"/*/*.log
wine "C:\\Program Files\\Tavrel\\Programs\\TavrelCommander.exe" /RegServer
# Windows itself opens text documents with a third sample program: the chooser's last row.
wine reg add 'HKCR\.txt' /ve /d Tavrel.Textpad /f >/dev/null 2>&1
wine reg add 'HKCR\Tavrel.Textpad\shell\open\command' /ve \
  /d '"C:\Program Files\Tavrel Samples\Textpad\textpad.exe" "%1"' /f >/dev/null 2>&1

short_path() { winepath -s "$1" 2>/dev/null | tr -d '\r'; }
quill='C:\Program Files\Tavrel Samples\Quill Writer\quill.exe'
inkpad='C:\Program Files\Tavrel Samples\Inkpad\inkpad.exe'
quill_short=$(short_path "$quill")
inkpad_short=$(short_path "$inkpad")

# The user's choices and the catalogue, packed into the data package as the product does.
package=$demo/package
rm -rf "$package" && mkdir -p "$package"
cp "$root/scripts/demo/QXma.xml" "$root/scripts/demo/QXcat.xml" "$package/"
sed_text() { printf '%s' "${1//\\/\\\\}"; }  # a path as sed's replacement text
for f in QXAdd QXDef QXDel; do
  sed -e "s|@QUILL@|$(sed_text "$quill")|g; s|@QUILL_SHORT@|$(sed_text "$quill_short")|g" \
      -e "s|@INKPAD@|$(sed_text "$inkpad")|g; s|@INKPAD_SHORT@|$(sed_text "$inkpad_short")|g" \
      -e 's/$/\r/' "$root/scripts/demo/$f.dat.in" >"$package/$f.dat"
done
"$root/build/native/tools/tavrel-pack/tavrel-pack" create "$install/Data/QXTavrel.dat" "$package"

# The sample document, in a folder with blanks so that the short path matters.
docs=$drive/users/Public/Documents/Tavrel\ demo
mkdir -p "$docs"
echo "Minutes of the Monday meeting" >"$docs/meeting notes.txt"
document='C:\users\Public\Documents\Tavrel demo\meeting notes.txt'

echo "demo: opening \"$document\" through cscript"
out=$demo/client.out
wine cscript //nologo "$(winepath -w "$root/tests/e2e/qxh1.vbs")" 8 open "$document" "" \
  >"$out" 2>&1 &
client=$!
# The chooser is ready once its rows can be read and, on the private display, once it has the
# keyboard focus (a screenshot and the keys come then, not after a guessed delay).
probe=$root/build/mingw/tests/bin/chooser_probe.exe
chooser_ready() {
  local window
  window=$(xdotool search --onlyvisible --name 'Tavrel Ferrule Choices' 2>/dev/null | head -n 1) &&
    { [ -z "$private_display" ] || [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]; } &&
    wine "$probe" 2>/dev/null | grep -q '^ROW '
}
ready=
for _ in $(seq 150); do chooser_ready && { ready=yes; break; }; sleep 0.2; done
if [ -n "$ready" ]; then
  if [ -n "$private_display" ]; then
    window=$(xdotool search --onlyvisible --name 'Tavrel Ferrule Choices' | head -n 1)
    import -window "$window" "$demo/chooser.png"
    # The user sets the apps to dark while the chooser is open: it follows at once.
    personalize='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
    wine reg add "$personalize" /v AppsUseLightTheme /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wine "$probe" setting ImmersiveColorSet >/dev/null 2>&1
    import -window "$window" "$demo/chooser-dark.png"
    wine reg delete "$personalize" /v AppsUseLightTheme /f >/dev/null 2>&1
    echo "demo: the chooser on the private display: $demo/chooser.png, dark: $demo/chooser-dark.png"
    xdotool key Down Return
  else
    echo "demo: pick a program in the chooser beside the pointer"
  fi
else
  echo "demo: no chooser appeared"
fi
# A pick ends the request at once; on your own screen it waits for you (at most 10 minutes).
limit=300
[ -n "$private_display" ] || limit=6000
for _ in $(seq "$limit"); do kill -0 "$client" 2>/dev/null || break; sleep 0.1; done
kill "$client" 2>/dev/null || true
wait "$client" || true
result=$(tr -d '\r' <"$out" | sed -n 's/^RESULT=\([-0-9]*\).*/\1/p')
echo "demo: the request's result: ${result:-none (the client said: $(tr -d '\r' <"$out"))}"
# The shell starts the program on its own time: give it a moment to note how it was started.
[ "$result" = 0 ] && for _ in $(seq 50); do compgen -G "$samples/*/*.log" >/dev/null && break; sleep 0.1; done
for log in "$samples"/*/*.log; do
  [ -f "$log" ] && { echo "demo: $(basename "$log" .log).exe was started with:"; tr -d '\r' <"$log" | sed 's/^/  /'; }
done
exit 0
