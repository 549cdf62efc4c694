#!/usr/bin/env bash
# A check that fails ends in seconds and leaves nothing running: the
# writes_nothing check, given a game that never shows a window, must fail
# within 20 seconds, and the game must not outlive it (its session bus, in
# the same process group, goes with it). Usage: check_cleanup.sh
source "$(dirname "$0")/../checks.sh" cleanup Xvfb xdotool import dbus-run-session
set -euo pipefail
trap 'pkill -KILL -f "$work/" || true; rm -rf "$work"' EXIT

# The game that never shows a window, known by its path among the processes.
printf '#!/bin/bash\nexec -a "$0" sleep 300\n' >"$work/numorra"
chmod +x "$work/numorra"
started=$(date +%s)
status=0
timeout 60 bash "$(dirname "$0")/check_writes_nothing.sh" "$work/numorra" >"$work/log" 2>&1 || status=$?
took=$(($(date +%s) - started))
[ "$status" -eq 1 ] || fail "writes_nothing ended with $status, not 1: $(cat "$work/log")"
[ "$took" -le 20 ] || fail "writes_nothing took $took s to fail"
sleep 0.5
left=$(pgrep -a -f "$work/" || true)
[ -z "$left" ] || fail "left running after the check failed: $left"
echo "cleanup: writes_nothing failed in $took s and left nothing running"
