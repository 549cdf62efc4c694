#!/usr/bin/env bash
# The game reads no settings and writes nothing, checked as a player runs it
# on an X server in a home of its own: custom colours that another Qt
# program left in the settings file all Qt programs share do not show in the
# colour dialog, and a session (Custom Colors, Add to Custom Colors, OK,
# Exit) leaves the home exactly as it was. The game has a session bus of its
# own, as on a desktop (without one, dbus-launch would write into the home);
# the bus keeps its files in the runtime folder, dbus-1/, which is the home.
# Usage: check_writes_nothing.sh NUMORRA
source "$(dirname "$0")/../checks.sh" writes_nothing Xvfb xdotool import dbus-run-session
set -euo pipefail
game=$1
home=$work

# Another program's custom colours: #01ff01, a colour neither the dialog's
# basic colours nor its picker (drawn at value 200) ever show.
mkdir -p "$home/config" "$home/data" "$home/cache"
{
  echo "[Qt]"
  for i in $(seq 0 15); do echo "customColors\\$i=4278320897"; done
} >"$home/config/QtProject.conf"
listing() { cd "$home" && find . -mindepth 1 -path ./dbus-1 -prune -o -printf '%p %s %T@\n' | sort; }
before=$(listing)

x_session_display
HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
  XDG_RUNTIME_DIR=$home QT_QPA_PLATFORM=xcb x_session_start dbus-run-session -- "$game"
game_pid=${x_session_pids[-1]}
board=$(window_named "Numorra v 1.0")
# Options > Backgound Colors > Custom Colors; each menu gets a second to
# open, as a slow (sanitized) build may need.
for keys in "--clearmodifiers alt+o" "Down Right" "Down Return"; do
  xdotool windowfocus --sync "$board" key $keys
  sleep 1
done
dialog=$(window_named "Select Color")
seeded=$(import -window "$dialog" -depth 8 txt:- | grep -ci '#01FF01' || true)
[ "$seeded" -eq 0 ] || fail "the colour dialog shows another program's custom colours ($seeded pixels)"
xdotool windowfocus --sync "$dialog" key --clearmodifiers alt+a
sleep 0.5
xdotool key Return
sleep 1
xdotool windowfocus --sync "$board" key --clearmodifiers alt+g
sleep 1
xdotool key e
for _ in $(seq 100); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.05
done
! kill -0 "$game_pid" 2>/dev/null || fail "Exit did not end the game"
after=$(listing)
[ "$before" = "$after" ] ||
  fail "the session changed its home: $(diff <(echo "$before") <(echo "$after") | grep '^[<>]' | head -n 5)"
echo "writes_nothing: no custom colours read, and nothing written"
