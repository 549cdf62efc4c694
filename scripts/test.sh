#!/usr/bin/env bash
# Builds everything and runs every test, twice over, each a workflow of
# CMakePresets.json (configure, build, test):
#   sanitize       Debug, warnings as errors, under AddressSanitizer and
#                  UndefinedBehaviorSanitizer (any report fails the test that made it)
#   release-tests  the optimised, hardened build, warnings as errors, with
#                  its package checks
# The dev workflow (Debug, warnings as errors) is the sanitize one without
# the sanitizers: quicker for a developer's loop, and nothing the two above
# do not cover. Name workflows to run only those: scripts/test.sh dev
# Installs what is missing from Debian's packages first.
set -euo pipefail
cd "$(dirname "$0")/.."

workflows=("$@")
[ ${#workflows[@]} -gt 0 ] || workflows=(sanitize release-tests)

bash scripts/install-deps.sh test
for workflow in "${workflows[@]}"; do
  echo "test: == $workflow"
  cmake --workflow --preset "$workflow"
done
echo "test: passed (${workflows[*]})"
