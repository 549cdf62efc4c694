#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test.
# Installs what is missing from Debian's packages first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev
ctest --preset dev --output-on-failure "$@"
