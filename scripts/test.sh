#!/usr/bin/env bash
# Builds everything and runs every test, twice over:
#   sanitize  Debug, warnings as errors, under AddressSanitizer and
#             UndefinedBehaviorSanitizer (any report fails the test that made it)
#   release   the optimised, hardened build, with its package checks
# The dev preset (Debug, warnings as errors) is the sanitize build without
# the sanitizers: quicker for a developer's loop, and nothing the two above
# do not cover. Name presets to run only those: scripts/test.sh dev
# Installs what is missing from Debian's packages first.
set -euo pipefail
cd "$(dirname "$0")/.."

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(sanitize release)

bash scripts/install-deps.sh test
for preset in "${presets[@]}"; do
  echo "test: == $preset"
  cmake --preset "$preset" -DNUMORRA_BUILD_TESTS=ON >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" --output-on-failure
done
echo "test: passed (${presets[*]})"
