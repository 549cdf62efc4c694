#!/usr/bin/env bash
# Builds the Debian package and checks its name, its contents, and that its
# dependencies name the package of every shared library the game loads.
# Usage: check_package.sh BUILD_DIR VERSION
set -euo pipefail
build=$(realpath "$1")
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "debian_package: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb="$out/numorra_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no package named $(basename "$deb"): $(ls "$out")"
dpkg-deb --info "$deb"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = numorra ] || fail "the package is called '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "the package's version is '$(field Version)'"
depends=$(field Depends | tr ',' '\n' | awk '{ print $1 }')

mkdir "$out/root"
dpkg-deb --extract "$deb" "$out/root"
binary="$out/root/usr/bin/numorra"
[ -x "$binary" ] || fail "the package has no /usr/bin/numorra"
[ -f "$out/root/usr/share/applications/example.numorra.Numorra.desktop" ] ||
  fail "the package has no desktop entry"

# Every library the executable needs must come from a package it depends on.
# (Filters read their whole input: a reader that stops early would end the
# writer with SIGPIPE, which pipefail reports as a failure.)
while read -r library; do
  path=$(ldconfig -p | awk -v lib="$library" '$1 == lib && !found { print $NF; found = 1 }')
  [ -n "$path" ] || fail "$library is not installed here"
  owner=$(dpkg -S "$(realpath "$path")" 2>/dev/null | awk -F: 'NR == 1 { print $1 }') ||
    owner=$(dpkg -S "$path" | awk -F: 'NR == 1 { print $1 }')
  [ -n "$owner" ] || fail "no package owns $path"
  grep -Fxq "$owner" <<<"$depends" ||
    fail "$library comes from $owner, which the package does not depend on"
done < <(readelf -d "$binary" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p')
echo "debian_package: $(basename "$deb"), every linked library's package is a dependency"
