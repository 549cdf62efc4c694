#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh play
cmake --preset release
cmake --build --preset release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "play: there is no display here, so the game's windows cannot be shown." >&2
  echo "play: on a desktop run it again; without one, run it under Xvfb:" >&2
  echo "play:   xvfb-run -a build/release/ui/numorra" >&2
  exit 1
fi
exec build/release/ui/numorra "$@"
