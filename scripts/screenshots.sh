#!/usr/bin/env bash
# Renders what a player sees under Xvfb to PNG files in docs/: the Easy
# board at start and during a game with boxes opened, then with the focus
# on the last box opened, and the About window,
# under the standard light palette and under a dark desktop theme (qt6ct's
# "darker" scheme), then the Easy board at twice the scale.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh screenshots
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null
game_binary=$PWD/build/release/ui/numorra

work=$(mktemp -d)
game=""
source scripts/x_session.sh
trap 'kill $game 2>/dev/null || true; x_session_stop; rm -rf "$work"' EXIT
x_session_display 1280x1024
export XDG_RUNTIME_DIR=$work
mkdir -p docs

# A dark desktop theme, as qt6ct sets one up.
mkdir -p "$work/dark/qt6ct"
cat >"$work/dark/qt6ct/qt6ct.conf" <<CONF
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion
CONF

start_game() { # ENV...
  env "$@" "$game_binary" &
  game=$!
  window=$(xdotool search --sync --onlyvisible --name '^Numorra v 1.0$' | awk 'NR == 1')
  sleep 1
}
stop_game() {
  kill "$game"
  wait "$game" 2>/dev/null || true
  game=""
}
shoot() { # WINDOW FILE
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$2"
}

# Start a game (F2), then open three boxes of the top row; each miss
# message is dismissed with Return.
play_three() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool key --window "$window" F2
  sleep 0.5
  for column in 1 3 6; do
    xdotool mousemove $((X + 8 + 48 * (column - 1) + 20)) $((Y + HEIGHT - 320 + 88 + 16)) click 1
    sleep 0.7
    xdotool key Return
    sleep 0.5
  done
}

# The board active again, its focus on the box opened last.
focus_board() {
  xdotool windowfocus --sync "$window"
  sleep 0.5
}

# Help menu, then its second item, About. Without a window manager the
# focus does not come back to the board after a message by itself.
open_about() {
  xdotool windowfocus --sync "$window"
  xdotool key --clearmodifiers alt+h
  sleep 0.3
  xdotool key Down Return
  about=$(xdotool search --sync --onlyvisible --name '^About Numorra v 1.0$' | awk 'NR == 1')
  sleep 0.5
}

start_game
shoot "$window" docs/board-start.png
play_three
shoot "$window" docs/board-game.png
focus_board
shoot "$window" docs/board-focus.png
open_about
shoot "$about" docs/about.png
stop_game

start_game QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$work/dark"
play_three
shoot "$window" docs/board-dark.png
focus_board
shoot "$window" docs/board-focus-dark.png
open_about
shoot "$about" docs/about-dark.png
stop_game

start_game QT_SCALE_FACTOR=2
shoot "$window" docs/board-start-2x.png
stop_game
echo "screenshots: docs/board-start.png docs/board-game.png docs/board-focus.png" \
  "docs/about.png docs/board-dark.png docs/board-focus-dark.png docs/about-dark.png" \
  "docs/board-start-2x.png"
