#!/usr/bin/env bash
# Builds the optimised game and its Debian package, and says where it is.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh package
cmake --preset release
cmake --build --preset release
(cd build/release && cpack)
echo "package: $(ls build/release/numorra_*.deb)"
echo "package: install it with: sudo apt-get install ./$(ls build/release/numorra_*.deb)"
