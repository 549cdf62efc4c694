#!/usr/bin/env bash
# Checks formatting and runs clang-tidy over every source file, against the
# compile commands of the sanitize build (the test command's first, so in
# CI it is built already). Fails on the first finding.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh lint

build=build/sanitize
# The benchmark programs are linted too, so they are configured in.
cmake --preset sanitize -DNUMORRA_BUILD_BENCH=ON >/dev/null
# The generated Qt sources (moc, rcc) must exist before tidy reads includes.
cmake --build --preset sanitize >/dev/null

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
echo "lint: clang-format on ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

mapfile -t units < <(git ls-files '*.cpp')
echo "lint: clang-tidy on ${#units[@]} files"
printf '%s\n' "${units[@]}" | xargs -P "$(nproc)" -n 1 clang-tidy -p "$build" --quiet 2>/dev/null
echo "lint: clean"
