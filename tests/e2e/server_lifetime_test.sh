# How long the server lives: one started for activations that never reach it (a burst of clients
# can start several) leaves by itself after its grace period of 10 s; one holding an object for
# longer than that stays until its client lets go.
. "$TAVREL_E2E/lib.sh"
outs=$(mktemp -d)
cleanup() { rm -rf "$outs"; }
check "no server runs before the test" gone "$(server_gone 20)"

start=$SECONDS
limited 60 "the end of a server nobody uses" "$TAVREL_WINE" "$SERVER" -Embedding
status=$? took=$((SECONDS - start))
check "a server started with -Embedding and no client leaves by itself after its grace period" \
  "0 after the grace period" "$status $( ((took >= 9)) && echo after || echo before) the grace period"

check "an object held past the grace period keeps its server" "HRESULT=0x00000000 RESULT=1" \
  "$(wine_run "$BIN/qxh1_client.exe" hold 15 2>&1 | tr -d '\r')"
check "the server leaves after that client" gone "$(server_gone 20)"

clients=()
for i in $(seq 10); do
  start_client "$outs/$i" "$BIN/qxh1_client.exe" 8 open 'C:\tavrel-missing.txt' ""
  clients+=("$client")
done
# Under Wine some of ten simultaneous first activations can fail in the client (which of the
# servers started for them registers first is a race): only the servers' end is checked here.
for client in "${clients[@]}"; do await_client 60 "the end of one of ten simultaneous requests"; done
check "no server is left after a burst of activations" gone "$(server_gone 30)"
finish
