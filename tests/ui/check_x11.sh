#!/usr/bin/env bash
# The game on a real X server (Xvfb), with no window manager and with
# openbox, at 1x and 2x: what the window system is told of each window (its
# title, the desktop entry's StartupWMClass as its class, its icon at every
# size, its title-bar buttons, a fixed size, a centred frame), a message
# that belongs to its board, the focus at start, About chosen again coming
# to the front, and the launcher's feedback ended once the board shows.
# Usage: check_x11.sh NUMORRA DESKTOP_ENTRY
source "$(dirname "$0")/../checks.sh" x11 Xvfb openbox xdotool xprop xwininfo xev
set -euo pipefail
game=$1
class=$(entry "$2" StartupWMClass)
# No session bus: the toolkit would start one (dbus-launch) that outlives the display.
export QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled:

within() { # MESSAGE COMMAND...: waits up to three seconds for COMMAND to hold
  for _ in $(seq 60); do "${@:2}" && return; sleep 0.05; done
  fail "$1"
}
root_says() { [ $(($(xprop -root "$1" 2>/dev/null | sed -n 's/.* \(0x[0-9a-f]*\)$/\1/p'))) -eq "$2" ]; }
centred() { # ID: the frame, give or take a pixel, on the 1024x768 screen
  local l=0 r=0 t=0 b=0 x y w h
  IFS=, read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ') || true
  read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF }
    /Absolute upper-left Y/ { y = $NF } /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x, y, w, h }')
  [ $(((2 * x - l + r + w - 1024) ** 2)) -le 4 ] && [ $(((2 * y - t + b + h - 768) ** 2)) -le 4 ]
}
# _MOTIF_WM_HINTS asks for the buttons (decorations 16 the window menu, 32
# minimise, 64 maximise; functions 32 close); WM_NORMAL_HINTS fixes the size.
expect_window() { # ID TITLE BUTTONS
  local functions decorations buttons=() icons
  [ "$(xprop -id "$1" _NET_WM_NAME)" = "_NET_WM_NAME(UTF8_STRING) = \"$2\"" ] ||
    fail "the window system shows $(xprop -id "$1" _NET_WM_NAME) instead of '$2'"
  xprop -id "$1" WM_CLASS | grep ", \"$class\"$" >/dev/null ||
    fail "'$2' has the class $(xprop -id "$1" WM_CLASS), not the desktop entry's $class"
  icons=" $(xprop -id "$1" _NET_WM_ICON | grep -o 'Icon ([0-9]* x' | tr -dc '0-9\n' | tr '\n' ' ')"
  for side in 16 24 32 48 64; do
    [[ "$icons" == *" $side "* || "$icons" == *" $((side * scale)) "* ]] ||
      fail "'$2' carries icons at${icons:- no size}, none at $side pixels (or $((side * scale)))"
  done
  IFS=, read -r _ functions decorations _ < <(xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.*= //p' | tr -d ' ')
  for bit in 16:menu 32:minimise 64:maximise; do
    if ((decorations & ${bit%:*})); then buttons+=("${bit#*:}"); fi
  done
  if ((functions & 32)); then buttons+=(close); fi
  [ "${buttons[*]}" = "$3" ] || fail "'$2' asks for the title-bar buttons '${buttons[*]}', not '$3'"
  [ "$(xprop -id "$1" WM_NORMAL_HINTS | sed -n 's/.*program specified m[a-z]*imum size: //p' | sort -u | wc -l)" -eq 1 ] &&
    ! xprop -id "$1" _NET_WM_ALLOWED_ACTIONS 2>/dev/null | grep -E 'ACTION_(RESIZE|MAXIMIZE)' >/dev/null ||
    fail "'$2' can be resized: $(xprop -id "$1" WM_NORMAL_HINTS _NET_WM_ALLOWED_ACTIONS | tr '\n' ' ')"
  within "'$2' is not centred on 1024x768, frame included" centred "$1"
}
menu() { # WINDOW KEY...: opens a menu by its access key, a second to open each
  xdotool windowfocus --sync "$1" key --clearmodifiers "$2"
  sleep 1
  xdotool key "${@:3}"
}

for scale in 1 2; do
  for manager in none openbox; do
    echo "x11: scale $scale, window manager: $manager"
    export XDG_RUNTIME_DIR=$work/$scale-$manager
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    x_session_display || fail "no X server"
    # A display that no window manager could open (seen once, in a chroot
    # under load, before the game was started) is started afresh, once.
    if [ "$manager" = openbox ] && ! x_session_window_manager; then
      x_session_stop
      { x_session_display && x_session_window_manager; } || fail "no window manager"
    fi
    # Started as a launcher starts it: the board's coming ends the feedback.
    x_session_start xev -root -event property >"$XDG_RUNTIME_DIR/startup.log"
    sleep 0.5
    DESKTOP_STARTUP_ID=numorra-check_TIME0 QT_SCALE_FACTOR=$scale x_session_start "$game"
    board=$(window_named "Numorra v 1.0")
    expect_window "$board" "Numorra v 1.0" "menu minimise close"
    [ "$manager" = none ] || within "the board does not have the focus at start" root_says _NET_ACTIVE_WINDOW "$board"
    grep _NET_STARTUP_INFO_BEGIN "$XDG_RUNTIME_DIR/startup.log" >/dev/null || fail "the launch feedback did not end"

    menu "$board" alt+h Return
    xprop -id "$(window_named "Help")" WM_TRANSIENT_FOR | grep "# $(printf 0x%x "$board")$" >/dev/null ||
      fail "How To Play's message does not belong to the board"
    xdotool key Return
    sleep 1
    menu "$board" alt+h Down Return
    about=$(window_named "About Numorra v 1.0")
    expect_window "$about" "About Numorra v 1.0" "menu close"
    if [ "$manager" = openbox ]; then
      xdotool windowactivate --sync "$board"
      menu "$board" alt+h Down Return
      within "About chosen again does not come to the front with the focus" root_says _NET_ACTIVE_WINDOW "$about"
      within "About chosen again is not on top" root_says _NET_CLIENT_LIST_STACKING "$about"
    fi

    menu "$board" alt+o Right
    sleep 1
    xdotool key Down Return
    within "Medium did not replace the Easy board" test "$(window_named "Numorra v 1.0")" != "$board"
    expect_window "$(window_named "Numorra v 1.0")" "Numorra v 1.0" "menu minimise close"
    x_session_stop
  done
done
echo "x11: titles, classes, icons, buttons, sizes, places and focus as the desktop expects, with and without a window manager, at 1x and 2x"
