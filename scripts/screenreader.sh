#!/usr/bin/env bash
# Plays a game of Numorra by keyboard under the Orca screen reader, on Xvfb
# with openbox and a private D-Bus and AT-SPI bus, and prints what Orca
# said, with the keys pressed: a start, two misses, a win, the next game and
# Stop. Orca's log is read once Orca has ended, as it writes it buffered.
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
source scripts/x_session.sh
trap 'x_session_stop; [ -n "${NUMORRA_SCREENREADER_KEEP:-}" ] || rm -rf "$work"' EXIT
export HOME=$work XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data

x_session_display
x_session_start /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1
x_session_window_manager
x_session_start orca --debug-file="$work/orca.log" >/dev/null 2>&1
sleep 4
# The game as a player runs it; the toolkit turns its accessibility on for
# the screen reader that is running.
x_session_start "$game" 2>/dev/null
sleep 3
/usr/bin/python3 scripts/screenreader_play.py "$PWD" "$work/keys"
sleep 1
x_session_stop
[ -z "${NUMORRA_SCREENREADER_KEEP:-}" ] || echo "screenreader: kept $work"

# Orca's phrases from the game on, each key pressed shown where it was.
/usr/bin/python3 - "$work/orca.log" "$work/keys" <<'PY'
import datetime, re, sys
orca_log, keys_file = sys.argv[1], sys.argv[2]
events = []
day = datetime.date.today()
for line in open(keys_file):
    stamp, key = line.split()
    events.append((float(stamp), "key", key))
for line in open(orca_log, errors="replace"):
    m = re.match(r"(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'", line)
    if m:
        h, mi, s, said = int(m[1]), int(m[2]), float(m[3]), m[4]
        midnight = datetime.datetime.combine(day, datetime.time()).timestamp()
        events.append((midnight + h * 3600 + mi * 60 + s, "said", said))
events.sort()
started = next(t for t, kind, what in events if kind == "key" and what == "GAME")
last_start = max(t for t, kind, what in events if kind == "key" and what == "F2" and t < started)
for t, kind, what in events:
    if t < last_start or what == "END":
        continue
    if kind == "key":
        if what != "GAME":
            print(f"[{what}]")
    else:
        said = re.sub(r"'\s*\{'established.*$", "", what).strip()
        # Orca's echo of the keys is left out: the keys are shown already.
        if said.lower() not in ("space", "return", "f2", "f4", "down", "up", "left", "right"):
            print(f"    {said}")
PY
