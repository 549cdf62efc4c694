#!/usr/bin/env bash
# Plays the game by keyboard under the Orca screen reader, as
# scripts/screenreader.sh does (on Easy the chance limit, Stop and a win,
# then a switch to Hard and time up), and checks what Orca said
# (screenreader_check.py). Usage: check_screenreader.sh NUMORRA
# On a session bus of its own, for the accessibility bus and Orca.
[ -n "${NUMORRA_SCREENREADER_BUS:-}" ] || ! command -v dbus-run-session >/dev/null ||
  NUMORRA_SCREENREADER_BUS=1 exec dbus-run-session -- bash "$0" "$(realpath "$1")"
source "$(dirname "$0")/../checks.sh" screenreader orca dbus-run-session Xvfb openbox xdotool /usr/libexec/at-spi-bus-launcher
set -euo pipefail
game=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/screenreader_session.sh"

# One game under Orca; its verdict is the checker's. Orca writes its log
# buffered: it is read once Orca has ended.
play_once() {
  rm -rf "${work:?}"/*
  screenreader_session_start "$work" "$game"
  /usr/bin/python3 "$here/scripts/screenreader_play.py" "$here" "$work/keys" || true
  sleep 1
  x_session_stop
  /usr/bin/python3 "$here/tests/ui/screenreader_check.py" "$work/orca.log" "$work/keys" "$here/tests/levels.txt"
}
# Orca keeps its own pace, and on a loaded machine it may fall behind a
# key once; a second game must then pass. A fault of the game fails both.
play_once && exit 0
echo "screenreader: the first game failed; playing it once more" >&2
play_once
