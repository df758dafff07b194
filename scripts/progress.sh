# Progress lines for the long steps of the scripts (sourced): a step prints a line when it starts
# and one with its duration when it ends, and while it runs, a line whenever it has been quiet for
# 10 s, so that a slow step never looks like a hung one.

# step NAME COMMAND...: runs COMMAND as the step NAME; its output is passed on line by line.
step() {
  local name=$1 start=$SECONDS stamp ticker status; shift
  stamp=$(mktemp)
  echo "== $name ($(date -u +%H:%M:%S))"
  (
    while sleep 2; do
      quiet=$(($(date +%s) - $(stat -c %Y "$stamp" 2>/dev/null || date +%s)))
      if ((quiet >= 10)); then
        echo "   $name: still at work ($((SECONDS - start)) s)"
        touch "$stamp"
      fi
    done
  ) &
  ticker=$!
  # In a condition, a failing command does not end a caller running with set -e before the
  # ticker is stopped.
  if "$@" 2>&1 | while IFS= read -r line; do
    printf '%s\n' "$line"
    touch "$stamp"
  done; then status=0; else status=${PIPESTATUS[0]}; fi
  kill "$ticker" 2>/dev/null || true
  wait "$ticker" 2>/dev/null || true
  rm -f "$stamp"
  if ((status == 0)); then
    echo "== $name: done in $(duration $((SECONDS - start)))"
  else
    echo "== $name: FAILED (exit status $status) after $(duration $((SECONDS - start)))"
  fi
  return "$status"
}

duration() {  # SECONDS as "3m 48s" or "14s"
  if (($1 >= 60)); then echo "$(($1 / 60))m $(($1 % 60))s"; else echo "$1s"; fi
}
