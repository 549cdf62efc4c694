#!/usr/bin/env bash
# Plays Numorra by keyboard under the Orca screen reader, on Xvfb with
# openbox and a private D-Bus and AT-SPI bus, and prints what Orca said
# after each key: on Easy the chance limit, Stop and a win, then a switch to
# Hard and time up (scripts/screenreader_play.py), as the screenreader test
# plays them. Orca's log is read once Orca has ended, as it writes it
# buffered.
# Usage: scripts/screenreader.sh [NUMORRA]   (default: the release build)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -eq 0 ]; then
  bash scripts/install-deps.sh screenreader
  cmake --preset release >/dev/null
  cmake --build --preset release >/dev/null
fi
game=$(realpath "${1:-build/release/ui/numorra}")

if [ -z "${NUMORRA_SCREENREADER_BUS:-}" ]; then
  NUMORRA_SCREENREADER_BUS=1 exec dbus-run-session -- bash "$0" "$game"
fi

work=$(mktemp -d)
source scripts/screenreader_session.sh
trap 'x_session_stop; [ -n "${NUMORRA_SCREENREADER_KEEP:-}" ] || rm -rf "$work"' EXIT
screenreader_session_start "$work" "$game"
/usr/bin/python3 scripts/screenreader_play.py "$PWD" "$work/keys"
sleep 1
x_session_stop
[ -z "${NUMORRA_SCREENREADER_KEEP:-}" ] || echo "screenreader: kept $work"

# What Orca said after each key, and where it let a blind player down.
/usr/bin/python3 tests/ui/screenreader_check.py "$work/orca.log" "$work/keys" \
  tests/board/level_facts.h
