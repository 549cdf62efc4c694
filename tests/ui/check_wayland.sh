#!/usr/bin/env bash
# Runs the game natively under a Wayland compositor (weston, headless, with
# its pixman renderer) and checks that it stays up, draws its board (a
# screenshot with the game differs from one without it over at least the
# board's area), and names itself by its desktop entry's file name, so that
# a dock ties the window to its launcher, name and icon.
# Usage: check_wayland.sh NUMORRA DESKTOP_ENTRY
source "$(dirname "$0")/../checks.sh" wayland weston compare
set -euo pipefail
game=$1
app_id=$(basename "$2" .desktop)
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

# The client's side of the protocol, as the toolkit speaks it.
WAYLAND_DEBUG=client QT_QPA_PLATFORM=wayland x_session_start "$game" >"$work/game.log" 2>&1
game_pid=${x_session_pids[-1]}
sleep 3
kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(tail -n 5 "$work/game.log")"
shot "$work/game"
told=$(grep -o 'set_app_id("[^"]*")' "$work/game.log" | sort -u)
[ "$told" = "set_app_id(\"$app_id\")" ] || fail "the game names itself '$told', not its entry's $app_id"

# The board is 389 x 339 pixels with its menu bar; the window has more.
changed=$(compare -metric AE "$work/desktop.png" "$work/game.png" null: 2>&1 || true)
[ "${changed%%.*}" -ge $((389 * 339)) ] 2>/dev/null ||
  fail "the game drew $changed pixels, less than its board"
echo "wayland: the game runs natively under weston as $app_id and drew $changed pixels"
