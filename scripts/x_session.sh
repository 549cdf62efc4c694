# Sourced by the scripts that run the game on a private X server or under a
# compositor: starts Xvfb on a free display and the programs that run on it,
# and stops them all again, the last started first (the game before what it
# runs on), each with whatever it started itself.

x_session_pids=()

# Runs a command in the background and stops it with the session.
x_session_start() {
  # In a process group of its own, so that what it starts (a session bus
  # and the game under dbus-run-session) is stopped with it and never
  # outlives a check that failed. Started as a plain command: a subshell
  # stopped while it dropped the caller's EXIT trap could run part of it.
  setsid "$@" &
  x_session_pids+=($!)
}

# Starts Xvfb (1024x768 unless given WIDTHxHEIGHT) and exports DISPLAY,
# waiting up to thirty seconds for it (a loaded machine is slow to start
# the server and compile its keymap); without it, the status is 1.
x_session_display() {
  local size=${1:-1024x768} display_file
  display_file=$(mktemp)
  x_session_server_log=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$display_file" 2>"$x_session_server_log" &
  x_session_pids+=($!)
  x_session_server=$!
  for _ in $(seq 600); do
    [ -s "$display_file" ] && break
    sleep 0.05
  done
  DISPLAY=:$(cat "$display_file")
  export DISPLAY
  rm -f "$display_file"
  [ "$DISPLAY" != : ] && return
  echo "x_session: Xvfb gave no display within thirty seconds; it said:" >&2
  cat "$x_session_server_log" >&2
  return 1
}

# Starts openbox and waits until it manages the screen, thirty seconds at
# most; without it, the status is 1 and what openbox said is printed.
x_session_window_manager() {
  local log
  log=$(mktemp)
  x_session_start openbox --sm-disable >"$log" 2>&1
  for _ in $(seq 600); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
      rm -f "$log"
      return
    fi
    kill -0 "${x_session_pids[-1]}" 2>/dev/null || break
    sleep 0.05
  done
  echo "x_session: openbox did not manage display $DISPLAY (it ended, or thirty seconds passed); it said:" >&2
  cat "$log" >&2
  local number=${DISPLAY#:}
  echo "x_session: its Xvfb (pid ${x_session_server:-none}) $(kill -0 "${x_session_server:-0}" 2>/dev/null &&
    echo runs || echo has ended); lock: $(cat "/tmp/.X$number-lock" 2>/dev/null || echo none);" \
    "socket: $(ls "/tmp/.X11-unix/X$number" 2>/dev/null || echo none); it said:" >&2
  cat "${x_session_server_log:-/dev/null}" >&2
  rm -f "$log"
  return 1
}

# Prints the id of a window on screen titled exactly TITLE, waiting up to
# ten seconds by the clock (however slow a loaded machine makes each look);
# without one, the status is 1.
x_session_window() { # TITLE
  local id deadline=$((SECONDS + 10))
  while [ "$SECONDS" -lt "$deadline" ]; do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && echo "$id" && return
    sleep 0.05
  done
  return 1
}

# A program that does not end within five seconds of being asked is killed:
# a hung screen reader must not hang the script that started it. The wait
# is this shell's own: a helper shell started here, and stopped at once
# when the program ends, could be stopped before it dropped the caller's
# EXIT trap, and would run it.
x_session_stop() {
  local index pid tries
  for ((index = ${#x_session_pids[@]} - 1; index >= 0; index--)); do
    pid=${x_session_pids[index]}
    kill -- "-$pid" "$pid" 2>/dev/null || true
    for ((tries = 0; tries < 100; tries++)); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.05
    done
    kill -9 -- "-$pid" "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  x_session_pids=()
  rm -f "${x_session_server_log:-}"
}
