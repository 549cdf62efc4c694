#!/usr/bin/env bash
# Runs the game on a real X server (Xvfb), with no window manager and with
# openbox, at 1x and 2x, and checks what reaches the window system: each
# title bar reads exactly its caption; each window's class is the desktop
# entry's StartupWMClass, so a dock ties it to its launcher, and it carries
# its icon at every size; the board and the About window are centred, frame
# included, ask for their own title-bar buttons and cannot be resized; a
# message belongs to its board; the board has the focus at start, and the
# About window chosen again comes to the front with the focus; a launcher's
# startup feedback ends once the board shows. Usage: check_x11.sh NUMORRA DESKTOP_ENTRY
source "$(dirname "$0")/../checks.sh" x11 Xvfb openbox xdotool xprop xwininfo xev
set -euo pipefail
game=$1
class=$(entry "$2" StartupWMClass)
# No session bus: the toolkit would start one on the display (dbus-launch),
# which outlives the display it was started for.
export QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled:

# Waits up to three seconds for COMMAND to hold, else fails with MESSAGE.
within() { # MESSAGE COMMAND...
  local message=$1
  shift
  for _ in $(seq 60); do "$@" && return; sleep 0.05; done
  fail "$message"
}
active() { [ $(($(xprop -root _NET_ACTIVE_WINDOW 2>/dev/null | sed -n 's/.*# //p'))) -eq "$1" ]; }
on_top() { [ $(($(xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | sed 's/.*[ #] //'))) -eq "$1" ]; }
# x y width height of the window with what the window manager drew around it.
frame_of() {
  local info l=0 r=0 t=0 b=0 extents
  info=$(xwininfo -id "$1")
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
  [ -z "$extents" ] || IFS=, read -r l r t b <<<"$extents"
  awk -v l="$l" -v r="$r" -v t="$t" -v b="$b" '/Absolute upper-left X/ { x = $NF - l }
    /Absolute upper-left Y/ { y = $NF - t } /^ *Width:/ { w = $NF + l + r }
    /^ *Height:/ { h = $NF + t + b } END { print x, y, w, h }' <<<"$info"
}
centred() { # ID: the frame is centred on the 1024x768 screen, give or take a pixel
  local x y w h
  read -r x y w h < <(frame_of "$1")
  [ $(((2 * x + w - 1024) ** 2)) -le 4 ] && [ $(((2 * y + h - 768) ** 2)) -le 4 ]
}
# What the window system is told of a window: its title, class and icon
# sizes (each, or it at the screen's scale); the title-bar buttons it asks
# for (_MOTIF_WM_HINTS: decorations 16 the window menu, 32 minimise, 64
# maximise; functions 32 close) and a size nobody may change
# (WM_NORMAL_HINTS: the least and the most are one).
expect_window() { # ID TITLE BUTTONS
  local functions decorations buttons=() sizes icons
  [ "$(xprop -id "$1" _NET_WM_NAME)" = "_NET_WM_NAME(UTF8_STRING) = \"$2\"" ] ||
    fail "the window system shows $(xprop -id "$1" _NET_WM_NAME) instead of '$2'"
  xprop -id "$1" WM_CLASS | grep -q ", \"$class\"$" ||
    fail "'$2' has the class $(xprop -id "$1" WM_CLASS), not the desktop entry's $class"
  icons=" $(xprop -id "$1" _NET_WM_ICON | grep -o 'Icon ([0-9]* x' | tr -dc '0-9\n' | tr '\n' ' ')"
  for side in 16 24 32 48 64; do
    [[ "$icons" == *" $side "* || "$icons" == *" $((side * scale)) "* ]] ||
      fail "'$2' carries icons at${icons:- no size}, none at $side pixels (or $((side * scale)) at scale $scale)"
  done
  IFS=, read -r _ functions decorations _ < <(xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.*= //p' | tr -d ' ')
  if ((decorations & 16)); then buttons+=(menu); fi
  if ((decorations & 32)); then buttons+=(minimise); fi
  if ((decorations & 64)); then buttons+=(maximise); fi
  if ((functions & 32)); then buttons+=(close); fi
  [ "${buttons[*]}" = "$3" ] || fail "'$2' asks for the title-bar buttons '${buttons[*]}', not '$3'"
  sizes=$(xprop -id "$1" WM_NORMAL_HINTS | sed -n 's/.*program specified m[a-z]*imum size: //p' | sort -u)
  [ "$(wc -l <<<"$sizes")" -eq 1 ] || fail "'$2' can be resized: $(tr '\n' ' ' <<<"$sizes")"
  ! xprop -id "$1" _NET_WM_ALLOWED_ACTIONS 2>/dev/null | grep -qE 'ACTION_(RESIZE|MAXIMIZE)' ||
    fail "the window manager lets '$2' be resized or maximised"
  within "'$2' is at $(frame_of "$1") with its frame: not centred on 1024x768" centred "$1"
}
# Opens a menu by its access key and walks it, a second for each to open,
# as a slow (sanitized) build may need.
menu() { # WINDOW KEY...
  xdotool windowfocus --sync "$1"
  xdotool key --clearmodifiers "$2"
  sleep 1
  shift 2
  xdotool key "$@"
}

for scale in 1 2; do
  for manager in none openbox; do
    echo "x11: scale $scale, window manager: $manager"
    export XDG_RUNTIME_DIR=$work/$scale-$manager
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    x_session_display || fail "no X server"
    [ "$manager" = none ] || x_session_window_manager || fail "no window manager"
    # Started as a launcher does: the game ends the launch feedback with a
    # message to the root window once its board shows.
    x_session_start xev -root -event property >"$XDG_RUNTIME_DIR/startup.log"
    sleep 0.5
    DESKTOP_STARTUP_ID=numorra-check_TIME0 QT_SCALE_FACTOR=$scale x_session_start "$game"
    board=$(window_named "Numorra v 1.0")
    expect_window "$board" "Numorra v 1.0" "menu minimise close"
    [ "$manager" = none ] || within "the board does not have the focus at start" active "$board"
    grep -q _NET_STARTUP_INFO_BEGIN "$XDG_RUNTIME_DIR/startup.log" || fail "the launch feedback did not end"

    menu "$board" alt+h Return
    message=$(window_named "Help")
    xprop -id "$message" WM_TRANSIENT_FOR | grep -q "# $(printf 0x%x "$board")$" ||
      fail "How To Play's message does not belong to the board"
    xdotool key Return
    sleep 1
    menu "$board" alt+h Down Return
    about=$(window_named "About Numorra v 1.0")
    expect_window "$about" "About Numorra v 1.0" "menu close"
    if [ "$manager" = openbox ]; then
      # The board in front, then About chosen again: it comes to the front.
      xdotool windowactivate --sync "$board"
      menu "$board" alt+h Down Return
      within "About chosen again does not come to the front with the focus" active "$about"
      within "About chosen again is not on top" on_top "$about"
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
