#!/usr/bin/env bash
# Builds the optimised game and its Debian package, and says where it is.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh package
# Two builds of one commit give the same package: every time stamp the
# toolkit's resource compiler and the package record is the last commit's.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || date +%s)
export SOURCE_DATE_EPOCH
cmake --preset release
cmake --build --preset release
(cd build/release && cpack)
echo "package: $(ls build/release/numorra_*.deb)"
echo "package: install it with: sudo apt-get install ./$(ls build/release/numorra_*.deb)"
