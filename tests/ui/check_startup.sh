#!/usr/bin/env bash
# Starts the game where it cannot show a window and checks that it says why
# in its last line, keeps the toolkit's line that names the plugin, and ends
# with status 69. Usage: check_startup.sh NUMORRA
set -euo pipefail
game=$1
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT

# expect "WHAT" "LAST LINE STARTS WITH" ENV...
expect() {
  local what=$1 reason=$2 status=0 errors
  shift 2
  errors=$(env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$runtime" "$@" "$game" 2>&1 >/dev/null) ||
    status=$?
  [ "$status" -eq 69 ] && [[ "$(tail -n 1 <<<"$errors")" == "$reason"* ]] &&
    grep -q 'Qt platform plugin' <<<"$errors" ||
    { echo "startup: $what: not status 69, a last line '$reason...' and the toolkit's plugin line: $status, $errors" >&2; exit 1; }
  echo "startup: $what: $(tail -n 1 <<<"$errors")"
}

expect "no X display" "numorra: no X display could be opened (DISPLAY is not set)" QT_QPA_PLATFORM=xcb
expect "a display that is not there" "numorra: no X display could be opened (DISPLAY=:99999)" \
  QT_QPA_PLATFORM=xcb DISPLAY=:99999
expect "no Wayland compositor" "numorra: no Wayland display could be opened (WAYLAND_DISPLAY=nothere)" \
  QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=nothere
expect "an unknown plugin" 'numorra: there is no platform plugin "nosuchplatform"' \
  QT_QPA_PLATFORM=nosuchplatform DISPLAY=:0
