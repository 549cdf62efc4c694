# Sourced by the scripts that run the game under the Orca screen reader:
# Xvfb with openbox, the AT-SPI bus on the D-Bus session the caller runs in
# (dbus-run-session), Orca writing every phrase it would say to
# WORK/orca.log, and the game, all in a home of their own (WORK).
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

screenreader_session_start() { # WORK GAME
  local work=$1 game=$2
  export HOME=$work XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
  # On X11 whatever the caller runs under: the tests run offscreen.
  export QT_QPA_PLATFORM=xcb
  # These machines have no sound device, and there a real speech-dispatcher
  # blocks Orca after its first few phrases, or before its first: Orca then
  # hears nothing at all, from any program. Orca's speech is turned off, so
  # it reaches for no speech server, while its log still records every
  # phrase it would have said. On a player's desktop speech-dispatcher is
  # there and works; the game depends on neither.
  x_session_display
  x_session_start /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1
  x_session_window_manager
  x_session_start orca --disable speech --debug-file="$work/orca.log" >/dev/null 2>&1
  sleep 4
  # The game as a player runs it; the toolkit turns its accessibility on for
  # the screen reader that is running. Its calendar clock alone is held
  # still at a moment whose draw puts the target in a box (Easy's 199, in
  # row 3, column 3), so every start draws that target and the won game
  # needs one start, not a search of about thirteen; its timers keep the
  # real time.
  local faketime
  faketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null) ||
    { echo "screenreader: libfaketime is not installed (scripts/install-deps.sh screenreader)" >&2; return 1; }
  x_session_start env LD_PRELOAD="$faketime" FAKETIME="2026-12-07 12:00:08" TZ=UTC \
    FAKETIME_DONT_FAKE_MONOTONIC=1 "$game" 2>/dev/null
  sleep 3
}
