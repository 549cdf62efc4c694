#!/usr/bin/env bash
# Builds the Debian package twice from the last commit, in two fresh clones
# in different folders with different file times, the way scripts/package.sh
# builds it, and checks that the two packages are identical to the byte.
# Usage: check_reproducible.sh SOURCE_DIR
source "$(dirname "$0")/../checks.sh" reproducible git dpkg-deb
set -euo pipefail
source=$(realpath "$1")

for build in first second; do
  clone="$work/$build-clone-$RANDOM"
  git clone --quiet --no-hardlinks "$source" "$clone"
  # A later checkout: every file gets another time.
  find "$clone" -path "$clone/.git" -prune -o -exec touch -d "@$(( $(date +%s) - ${#build} * 100000 ))" {} +
  (cd "$clone" && bash scripts/package.sh >"$work/$build.log" 2>&1) ||
    fail "the $build build failed: $(tail -n 20 "$work/$build.log")"
  cp "$clone"/build/release/numorra_*.deb "$work/$build.deb"
  sha256sum "$work/$build.deb" | awk -v b="$build" '{ print "reproducible: " b ": " $1 }'
done
cmp "$work/first.deb" "$work/second.deb" >/dev/null || {
  mkdir "$work/a" "$work/b"
  dpkg-deb -R "$work/first.deb" "$work/a"
  dpkg-deb -R "$work/second.deb" "$work/b"
  fail "the two packages differ: $(diff -rq "$work/a" "$work/b" | head -n 5; cmp "$work/first.deb" "$work/second.deb")"
}
echo "reproducible: both builds gave the same package"
