#!/usr/bin/env bash
# Renders what a player sees under Xvfb to PNG files in docs/: the Easy
# board at start, during a game with boxes opened, and the About window,
# then the Easy board again at twice the scale (QT_SCALE_FACTOR=2).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh screenshots
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null

display=:97
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $game $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1
build/release/ui/numorra &
game=$!
sleep 2
mkdir -p docs
window=$(xdotool search --sync --name '^Numorra v 1.0$' | awk 'NR == 1')
geometry() { xdotool getwindowgeometry --shell "$window"; }
eval "$(geometry)"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" docs/board-start.png

# Start a game (F2), then open three boxes of the top row; each miss
# message is dismissed with Return.
xdotool key --window "$window" F2
sleep 0.5
for column in 1 3 6; do
  xdotool mousemove $((X + 8 + 48 * (column - 1) + 20)) $((Y + HEIGHT - 320 + 88 + 16)) click 1
  sleep 0.7
  xdotool key Return
  sleep 0.5
done
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" docs/board-game.png

# Help menu, then its second item, About.
eval "$(geometry)"
xdotool mousemove $((X + 134)) $((Y + 9)) click 1
sleep 0.5
xdotool mousemove $((X + 150)) $((Y + 52)) click 1
sleep 1
about=$(xdotool search --sync --name '^About Numorra v 1.0$' | awk 'NR == 1')
eval "$(xdotool getwindowgeometry --shell "$about")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" docs/about.png
kill "$game"
wait "$game" 2>/dev/null || true

QT_SCALE_FACTOR=2 build/release/ui/numorra &
game=$!
window=$(xdotool search --sync --name '^Numorra v 1.0$' | awk 'NR == 1')
sleep 1
eval "$(geometry)"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" docs/board-start-2x.png
echo "screenshots: docs/board-start.png docs/board-game.png docs/about.png docs/board-start-2x.png"
