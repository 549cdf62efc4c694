#!/usr/bin/env bash
# Runs the game natively under a Wayland compositor (weston, headless, with
# its pixman renderer) and checks that it stays up and draws its board: a
# screenshot with the game differs from one without it over at least the
# board's area. Usage: check_wayland.sh NUMORRA
set -euo pipefail
source "$(dirname "$0")/../require_tools.sh"
require_tools wayland weston compare
game=$1
fail() { echo "wayland: $*" >&2; exit 1; }
source "$(dirname "$0")/../../scripts/x_session.sh"
work=$(mktemp -d)
trap 'x_session_stop; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=numorra-test
unset DISPLAY

# --debug lets weston-screenshooter take pictures.
x_session_start weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
  --socket="$WAYLAND_DISPLAY" --idle-time=0 --debug >"$work/weston.log" 2>&1
for _ in $(seq 100); do
  [ -S "$work/$WAYLAND_DISPLAY" ] && break
  sleep 0.05
done
[ -S "$work/$WAYLAND_DISPLAY" ] || fail "weston did not start: $(cat "$work/weston.log")"

shot() { # NAME
  (cd "$work" && rm -f wayland-screenshot-*.png && weston-screenshooter >/dev/null 2>&1 &&
    mv wayland-screenshot-*.png "$1.png") || fail "no screenshot: $(cat "$work/weston.log")"
}
sleep 1
shot "$work/desktop"

QT_QPA_PLATFORM=wayland x_session_start "$game" >"$work/game.log" 2>&1
game_pid=${x_session_pids[-1]}
sleep 3
kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(cat "$work/game.log")"
shot "$work/game"

# The board is 389 x 339 pixels with its menu bar; the window has more.
changed=$(compare -metric AE "$work/desktop.png" "$work/game.png" null: 2>&1 || true)
[ "${changed%%.*}" -ge $((389 * 339)) ] 2>/dev/null ||
  fail "the game drew $changed pixels, less than its board"
echo "wayland: the game runs natively under weston and drew $changed pixels"
