#!/usr/bin/env bash
# Builds the Debian package and checks it the way Debian would: its name and
# contents; lintian with no finding at all, which holds Debian's hardening
# (PIE, full RELRO, fortified calls, no library search path of its own);
# the stack protector, which lintian does not check; dependencies that name
# the package of every shared library the game links; and, with the game
# running on an X server, the package of every toolkit plugin it loads.
# Usage: check_package.sh BUILD_DIR VERSION
source "$(dirname "$0")/../checks.sh" debian_package cpack dpkg-deb lintian readelf Xvfb
set -euo pipefail
build=$(realpath "$1")
version=$2
out=$work

SOURCE_DATE_EPOCH=$(git -C "$(dirname "$0")" log -1 --format=%ct 2>/dev/null || date +%s)
export SOURCE_DATE_EPOCH
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb="$out/numorra_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no package named $(basename "$deb"): $(ls "$out")"
dpkg-deb --info "$deb"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = numorra ] || fail "the package is called '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "the package's version is '$(field Version)'"

# lintian as root says so on stderr; its findings go to stdout.
findings=$(lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$deb" 2>/dev/null) ||
  fail "lintian finds: $findings"

mkdir "$out/root"
dpkg-deb --extract "$deb" "$out/root"
binary="$out/root/usr/games/numorra"
[ -x "$binary" ] || fail "the package has no /usr/games/numorra"
readelf --dyn-syms -W "$binary" | grep ' UND __stack_chk_fail' >/dev/null || fail "the game has no stack protector"
# The build tree's game, which the tests run, finds no library in the
# working directory (an empty or a relative entry in its search path).
! readelf -d "$build/ui/numorra" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]/:\2:/p' | grep -E ':(:|[^/$])' ||
  fail "the build's library search path lets the working directory supply libraries"
[ -f "$out/root/usr/share/applications/example.numorra.Numorra.desktop" ] ||
  fail "the package has no desktop entry"

# Every package that ours depends on, directly or through others, as
# installed here. (Filters read their whole input: a reader that stops
# early would end the writer with SIGPIPE, which pipefail reports.)
needed=" $(apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts \
  --no-breaks --no-replaces --no-enhances $(field Depends | sed 's/([^)]*)//g; s/:any//g; s/[,|]/ /g') |
  grep -v '^ ' | tr '\n' ' ') "
owner_of() { # FILE: the installed package that holds it, by its real path or its own
  { dpkg -S "$(realpath "$1")" || dpkg -S "$1"; } 2>/dev/null | awk -F: 'NR == 1 { print $1 }' || true
}

while read -r library; do
  path=$(ldconfig -p | awk -v lib="$library" '$1 == lib && !found { print $NF; found = 1 }')
  [ -n "$path" ] || fail "$library is not installed here"
  owner=$(owner_of "$path")
  [ -n "$owner" ] || fail "no package owns $path"
  [[ $needed == *" $owner "* ]] || fail "$library comes from $owner, which the package does not bring"
done < <(readelf -d "$binary" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p')

# The installed game on a real X server: the toolkit plugins it loads.
x_session_display
QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$out x_session_start "$binary" 2>/dev/null
game_pid=${x_session_pids[-1]}
sleep 3
kill -0 "$game_pid" 2>/dev/null || fail "the installed game did not start on X11"
plugins=$(awk '$6 ~ /\/qt6\/plugins\// { print $6 }' "/proc/$game_pid/maps" | sort -u)
[ -n "$plugins" ] || fail "the game loaded no toolkit plugin, not even its platform"
for plugin in $plugins; do
  owner=$(owner_of "$plugin")
  [ -n "$owner" ] || fail "no package owns the plugin $plugin"
  # The toolkit loads every image codec that is installed; the game reads no image file.
  [[ $needed == *" $owner "* || $plugin == */imageformats/* ]] ||
    fail "the plugin $plugin comes from $owner, which the package does not bring"
  echo "debian_package: plugin $(basename "$plugin") from $owner"
done
echo "debian_package: $(basename "$deb"), lintian clean, every library and plugin comes with a dependency"
