#!/usr/bin/env bash
# Measures start-up, memory, idle cost and countdown accuracy of the game
# against a baseline Qt program, and the rules' own speed, and writes the
# figures to docs/benchmarks.md. Runs its own Xvfb; takes about 25 minutes,
# most of them a long evening of play (bench/soak.py).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh bench
cmake --preset release -DNUMORRA_BUILD_BENCH=ON >/dev/null
cmake --build --preset release

display=:93
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
# Where the toolkit keeps its runtime files, so it has nothing to complain of.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
python3 bench/run_bench.py build/release docs/benchmarks.md
