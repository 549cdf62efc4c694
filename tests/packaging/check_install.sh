#!/usr/bin/env bash
# Installs the build into a staging folder and checks what a desktop needs:
# the tree, the validators, the names that tie the files together, the
# icon sizes, and that the installed game starts.
# Usage: check_install.sh BUILD_DIR VERSION INSTALLED_GAME SOURCE_DIR
source "$(dirname "$0")/../checks.sh" install_tree desktop-file-validate appstreamcli man dpkg-parsechangelog file
set -euo pipefail
build=$1
version=$2
installed_game=$3
source_dir=$4
id=example.numorra.Numorra
stage=$work/stage

cmake --install "$build" --prefix "$stage" >/dev/null
cd "$stage"

# The hicolor folders, "@2" for a screen scaled by two (twice the pixels).
sizes=(16 22 24 32 48 64 128 256 64@2 128@2)
expected=(games/numorra share/applications/$id.desktop share/metainfo/$id.metainfo.xml
  share/doc/numorra/changelog.gz share/doc/numorra/copyright share/lintian/overrides/numorra
  share/man/man6/numorra.6.gz share/icons/hicolor/scalable/apps/$id.svg)
folder() { local side=${1%@2}; echo "${side}x${side}${1#"$side"}"; }
for size in "${sizes[@]}"; do expected+=("share/icons/hicolor/$(folder "$size")/apps/$id.png"); done
diff <(printf '%s\n' "${expected[@]}" | sort) <(find . -type f -printf '%P\n' | sort) ||
  fail "the installed tree differs from the expected one (< expected, > installed)"

desktop=share/applications/$id.desktop
metainfo=share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --pedantic --no-net "$metainfo" >/dev/null ||
  fail "appstreamcli rejects $metainfo: $(appstreamcli validate --pedantic --no-net "$metainfo")"

gunzip -c share/doc/numorra/changelog.gz >"$work/changelog"
released=$(date -u -d "$(dpkg-parsechangelog -l "$work/changelog" -S Date)" +%F)
summary=$(sed -n 's:^ *<summary>\(.*\)</summary>$:\1:p' "$metainfo")
[ -n "$summary" ] && [ ${#summary} -le 35 ] || fail "the summary '$summary' is empty or over 35 characters"
# What the desktop entry, the metainfo and the changelog tell a desktop and
# a software centre (the window's class is the x11 check's): a command, and
# after the last "|" what it must print.
key() { entry "$desktop" "$1"; }
in_metainfo() { grep -Ec "$1" "$metainfo"; }
while read -r line; do
  command=${line%|*}
  [ "$(eval "$command")" = "${line##*|}" ] || fail "$command gives '$(eval "$command")', not '${line##*|}'"
done <<TABLE
key Name|Numorra
key Categories|Game;LogicGame;
key Exec|$installed_game
key Icon|$id
key X-Numorra-Version|$version
key StartupNotify|true
key Comment|$summary
in_metainfo '<id>$id</id>'|1
in_metainfo '<binary>$(basename "$installed_game")</binary>'|1
in_metainfo '<launchable type="desktop-id">$id.desktop</launchable>'|1
in_metainfo '<project_license>MIT</project_license>'|1
in_metainfo '<developer id="example.numorra">'|1
in_metainfo '<color type="primary" scheme_preference="(light|dark)">#[0-9a-f]{6}</color>'|2
in_metainfo '<caption>'|3
in_metainfo '<image>.*/[^/]+</image>'|3
in_metainfo '<release version="$version" date="$released">'|1
dpkg-parsechangelog -l "$work/changelog" -S Version|$version.0
TABLE

man --warnings -E UTF-8 -l share/man/man6/numorra.6.gz 2>&1 >/dev/null | grep . &&
  fail "the manual page has faults"
gzip -t share/man/man6/numorra.6.gz share/doc/numorra/changelog.gz || fail "a document is not gzip"

# What the manual page, the metainfo and the README say of each level's
# time and range is what players know of it (tests/levels.txt).
manual=$(gunzip -c share/man/man6/numorra.6.gz)
times=()
while read -r _ name _ lowest highest seconds; do
  grep -Pzq "\\.B $name\n$seconds seconds; targets from $lowest to $highest\\." <<<"$manual" ||
    fail "the manual page does not give $name $seconds seconds and targets from $lowest to $highest"
  times+=("$seconds")
done < <(grep '^level ' "$source_dir/tests/levels.txt")
said=$(printf '%s, ' "${times[@]:0:${#times[@]}-1}")
said="${said%, } and ${times[-1]} seconds"
grep -q "time: $said\." "$metainfo" || fail "the metainfo's description does not say '$said'"
grep -q "($said)" "$source_dir/README.md" || fail "the README does not say '$said'"

for size in "${sizes[@]}"; do
  pixels=${size%@2}
  [ "$size" = "$pixels" ] || pixels=$((pixels * 2))
  file "share/icons/hicolor/$(folder "$size")/apps/$id.png" |
    grep "PNG image data, $pixels x $pixels" >/dev/null ||
    fail "the $(folder "$size") icon is not a $pixels x $pixels PNG"
done

# What a distribution's catalog makes of the tree, as software centres
# read it: no error or warning, the icons for screens scaled by two, and
# the screen the board needs, so that a phone is not offered the game.
if appstreamcli compose --help >/dev/null 2>&1; then
  report=$(appstreamcli compose --no-net --no-color --prefix=/ --origin=numorra \
    --result-root="$work/catalog" --print-report=full "$stage" 2>&1) ||
    fail "appstreamcli compose fails on the tree: $report"
  grep -E '^ *[EW]: ' <<<"$report" && fail "appstreamcli compose warns of the tree: $report"
  catalog=$(gunzip -c "$work/catalog"/share/swcatalog/xml/numorra.xml.gz)
  for icon in 64 128; do
    grep '<icon type="cached"' <<<"$catalog" | grep "width=\"$icon\"" | grep -q 'scale="2"' ||
      fail "the catalog has no ${icon}x$icon icon for a screen scaled by two"
  done
  grep -Pzq '<requires>\s*<display_length[^>]*>420</display_length>' <<<"$catalog" ||
    fail "the catalog does not require a screen of 420 pixels or more"
elif [ "${CI:-}" = true ]; then
  fail "appstreamcli compose is not installed (scripts/install-deps.sh test installs it)"
else
  echo "install_tree: appstreamcli compose not installed: the catalog is not checked" >&2
fi

# A game that starts keeps running until the player ends it; one that cannot
# start ends at once with an error.
status=0
QT_QPA_PLATFORM=offscreen timeout 2 games/numorra || status=$?
[ "$status" -eq 124 ] || fail "the installed game ended with status $status instead of running"

# /usr/games is the system package's; a user's own prefix puts the game in
# bin, where the user's PATH finds it, and the desktop entry follows.
user_prefix=$work/user/home/.local
cmake -S "$source_dir" -B "$work/user/build" -G Ninja -DCMAKE_INSTALL_PREFIX="$user_prefix" >/dev/null
user_exec=$(sed -n 's/^Exec=//p' "$work/user/build/packaging/$id.desktop")
[ "$user_exec" = "$user_prefix/bin/numorra" ] ||
  fail "installed under $user_prefix, the game would be at $user_exec, not in bin"

echo "install_tree: $(find . -type f | wc -l) files, validators pass, the listing and the catalog are complete, the game starts, a user's prefix puts it in bin"
