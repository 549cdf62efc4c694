#!/usr/bin/env bash
# Starts the game where it cannot show a window, and with arguments it does
# not know. Usage: check_startup.sh NUMORRA
set -euo pipefail
game=$1
fail() { echo "startup: $*" >&2; exit 1; }

for display in "" ":99999"; do
  status=0
  errors=$(env -u WAYLAND_DISPLAY DISPLAY="$display" QT_QPA_PLATFORM=xcb "$game" 2>&1 >/dev/null) ||
    status=$?
  [ "$status" -eq 69 ] || fail "without a display ('$display') the game ended with $status, not 69"
  [ "$(printf '%s\n' "$errors" | wc -l)" -eq 1 ] || fail "more than one line: $errors"
  grep -q '^numorra: no display could be opened' <<<"$errors" || fail "unclear line: $errors"
done

# Arguments that are not the toolkit's own change nothing: the game runs.
status=0
QT_QPA_PLATFORM=offscreen timeout 2 "$game" --level hard extra words || status=$?
[ "$status" -eq 124 ] || fail "with unknown arguments the game ended with status $status"
echo "startup: no display gives one line and status 69; unknown arguments are ignored"
