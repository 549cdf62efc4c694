#!/usr/bin/env bash
# Runs the game on a real X server (Xvfb), with no window manager and with
# openbox, at 1x and 2x, and checks what reaches the window system: each
# title bar reads exactly its caption, the program is known by its class,
# the board and the About window are centred on the screen, frame included,
# ask for their own title-bar buttons and cannot be resized, the board has
# the focus at start, and a launcher's startup feedback (the desktop entry
# asks for it) ends once the board is on screen. Usage: check_x11.sh NUMORRA
set -euo pipefail
source "$(dirname "$0")/../require_tools.sh"
require_tools x11 Xvfb openbox xdotool xprop xwininfo xev
game=$1
fail() { echo "x11: $*" >&2; exit 1; }
source "$(dirname "$0")/../../scripts/x_session.sh"
trap x_session_stop EXIT
export XDG_RUNTIME_DIR QT_QPA_PLATFORM=xcb
XDG_RUNTIME_DIR=$(mktemp -d)

window_named() { x_session_window "$1" || fail "no window titled '$1' came on screen"; }

# The title the window system shows: _NET_WM_NAME, as window managers read it.
title_of() { xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'; }

# x y width height of the window's frame: the window and what the window
# manager drew around it (_NET_FRAME_EXTENTS: left, right, top, bottom).
frame_of() {
  local info x y w h extents l=0 r=0 t=0 b=0
  info=$(xwininfo -id "$1")
  x=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
  w=$(awk '/^ *Width:/ { print $NF }' <<<"$info")
  h=$(awk '/^ *Height:/ { print $NF }' <<<"$info")
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
  [ -n "$extents" ] && IFS=, read -r l r t b <<<"$extents"
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# Waits until the window's frame is centred on the 1024x768 screen, give or
# take a pixel for odd sizes.
expect_centred() { # ID WHAT
  local x y w h
  for _ in $(seq 60); do
    read -r x y w h < <(frame_of "$1")
    if [ $(((2 * x + w - 1024) ** 2)) -le 4 ] && [ $(((2 * y + h - 768) ** 2)) -le 4 ]; then
      echo "x11:   $2 at $x,$y, ${w}x$h with its frame: centred"
      return
    fi
    sleep 0.05
  done
  fail "$2 is at $x,$y, ${w}x$h with its frame: not centred on 1024x768"
}

# The title-bar buttons the window asks for (_MOTIF_WM_HINTS: its
# decorations 16 the window menu, 32 minimise, 64 maximise; its functions 32
# close), and a size nobody may change (WM_NORMAL_HINTS: the least and the
# most are one); openbox then offers neither resizing nor maximising.
expect_frame() { # ID WHAT BUTTONS
  local functions decorations buttons=() sizes
  IFS=, read -r _ functions decorations _ < <(xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.*= //p' | tr -d ' ')
  if ((decorations & 16)); then buttons+=(menu); fi
  if ((decorations & 32)); then buttons+=(minimise); fi
  if ((decorations & 64)); then buttons+=(maximise); fi
  if ((functions & 32)); then buttons+=(close); fi
  [ "${buttons[*]}" = "$3" ] || fail "$2 asks for the title-bar buttons '${buttons[*]}', not '$3'"
  sizes=$(xprop -id "$1" WM_NORMAL_HINTS | sed -n 's/.*program specified m[a-z]*imum size: //p' | sort -u)
  [ "$(wc -l <<<"$sizes")" -eq 1 ] || fail "$2 can be resized: $(tr '\n' ' ' <<<"$sizes")"
  if xprop -id "$1" _NET_WM_ALLOWED_ACTIONS 2>/dev/null | grep -qE '_NET_WM_ACTION_(RESIZE|MAXIMIZE)'; then
    fail "the window manager lets $2 be resized or maximised"
  fi
  echo "x11:   $2: ${buttons[*]}, fixed at $(head -n 1 <<<"$sizes")"
}

expect_title() { # ID TITLE
  local title
  title=$(title_of "$1")
  [ "$title" = "$2" ] || fail "the window system shows '$title' instead of '$2'"
}

for scale in 1 2; do
  for manager in none openbox; do
    echo "x11: scale $scale, window manager: $manager"
    x_session_display
    [ "$manager" = none ] || x_session_window_manager || fail "no window manager"
    # Started as a launcher does: the game ends the launch feedback with a
    # startup-notification message to the root window once its board shows.
    x_session_start xev -root -event property >"$XDG_RUNTIME_DIR/startup.log"
    sleep 0.5
    DESKTOP_STARTUP_ID=numorra-check_TIME0 QT_SCALE_FACTOR=$scale x_session_start "$game"
    board=$(window_named "Numorra v 1.0")
    expect_title "$board" "Numorra v 1.0"
    xprop -id "$board" WM_CLASS | grep -q '"Numorra"' || fail "the board's WM_CLASS is not Numorra"
    expect_centred "$board" "the board"
    expect_frame "$board" "the board" "menu minimise close"
    if [ "$manager" = openbox ]; then
      # The window manager hands the focus over a moment after the mapping.
      for _ in $(seq 60); do
        active=$(xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# //p')
        [ $((active)) -eq "$board" ] && break
        sleep 0.05
      done
      [ $((active)) -eq "$board" ] || fail "the board does not have the focus at start (active: ${active:-none}, board: $(printf 0x%x "$board"))"
    fi
    grep -q _NET_STARTUP_INFO_BEGIN "$XDG_RUNTIME_DIR/startup.log" || fail "the launch feedback did not end"

    # Help > How To Play ?: a message box titled Help. Each menu is given a
    # second to open, as a slow (sanitized) build may need.
    xdotool windowfocus --sync "$board"
    xdotool key --clearmodifiers alt+h
    sleep 1
    xdotool key Return
    message=$(window_named "Help")
    expect_title "$message" "Help"
    xdotool key Return
    sleep 1

    # Help > About. Without a window manager nobody hands the focus back
    # when the message closes.
    xdotool windowfocus --sync "$board"
    xdotool key --clearmodifiers alt+h
    sleep 1
    xdotool key Down Return
    about=$(window_named "About Numorra v 1.0")
    expect_title "$about" "About Numorra v 1.0"
    expect_centred "$about" "the About window"
    expect_frame "$about" "the About window" "menu close"

    # Options > Levels > Medium: a new board window, centred as well.
    xdotool windowfocus --sync "$board"
    xdotool key --clearmodifiers alt+o
    sleep 1
    xdotool key Right
    sleep 1
    xdotool key Down Return
    for _ in $(seq 100); do
      medium=$(window_named "Numorra v 1.0")
      [ "$medium" != "$board" ] && break
      sleep 0.05
    done
    [ "$medium" != "$board" ] || fail "Medium did not replace the Easy board"
    expect_title "$medium" "Numorra v 1.0"
    expect_centred "$medium" "the Medium board"

    x_session_stop
  done
done
echo "x11: titles are the captions alone, windows are centred, fixed and ask for their own buttons, with and without a window manager, at 1x and 2x"
