# Sourced by the scripts that run the game on a private X server or under a
# compositor: starts Xvfb on a free display and the programs that run on it,
# and stops them all again, the last started first (the game before what it
# runs on), each with whatever it started itself.

x_session_pids=()

# Runs a command in the background and stops it with the session.
x_session_start() {
  # The program itself, not a shell around it that would run the caller's
  # EXIT trap when stopped; in a process group of its own, so that what it
  # starts (a session bus and the game under dbus-run-session) is stopped
  # with it and never outlives a check that failed.
  (trap - EXIT && exec setsid "$@") &
  x_session_pids+=($!)
}

# Starts Xvfb (1024x768 unless given WIDTHxHEIGHT) and exports DISPLAY.
x_session_display() {
  local size=${1:-1024x768} display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$display_file" 2>/dev/null &
  x_session_pids+=($!)
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.05
  done
  DISPLAY=:$(cat "$display_file")
  export DISPLAY
  rm -f "$display_file"
}

# Starts openbox and waits until it manages the screen, ten seconds at
# most (a loaded machine is slow to start it); without it, the status is 1.
x_session_window_manager() {
  x_session_start openbox --sm-disable >/dev/null 2>&1
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
    sleep 0.05
  done
  echo "x_session: openbox did not start within ten seconds" >&2
  return 1
}

# Prints the id of a window on screen titled exactly TITLE, waiting up to
# five seconds for one; without one, the status is 1.
x_session_window() { # TITLE
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && echo "$id" && return
    sleep 0.05
  done
  return 1
}

# A program that does not end within five seconds of being asked is killed:
# a hung screen reader must not hang the script that started it.
x_session_stop() {
  local index pid
  for ((index = ${#x_session_pids[@]} - 1; index >= 0; index--)); do
    pid=${x_session_pids[index]}
    kill -- "-$pid" "$pid" 2>/dev/null || true
    # The watchdog leaves the session to this shell: it must not run the
    # caller's EXIT trap (which stops the session) when it is itself stopped.
    (trap - EXIT && sleep 5 && kill -9 -- "-$pid" "$pid") >/dev/null 2>&1 &
    wait "$pid" 2>/dev/null || true
    kill $! 2>/dev/null || true
  done
  x_session_pids=()
}
