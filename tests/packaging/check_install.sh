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

key() { entry "$desktop" "$1"; }
[ "$(key Name)" = Numorra ] || fail "the desktop entry's name is '$(key Name)'"
# A game, in the desktop's Games menu; the window's class is the x11 check's.
[ "$(key Categories)" = "Game;LogicGame;" ] || fail "the desktop entry's categories are '$(key Categories)'"
[ "$(key Exec)" = "$installed_game" ] ||
  fail "the desktop entry runs '$(key Exec)', not the installed $installed_game"
[ "$(key Icon)" = "$id" ] || fail "the desktop entry's icon is '$(key Icon)', not $id"
[ "$(key X-Numorra-Version)" = "$version" ] || fail "the desktop entry carries another version"
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
grep -q "<binary>$(basename "$installed_game")</binary>" "$metainfo" || fail "the metainfo provides another program than $installed_game"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $id.desktop"
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "the licence is not MIT"

# What a software centre shows: a summary it does not cut, the developer,
# brand colours, captioned screenshots; and launch feedback.
summary=$(sed -n 's:^ *<summary>\(.*\)</summary>$:\1:p' "$metainfo")
[ -n "$summary" ] && [ ${#summary} -le 35 ] && [ "$(key Comment)" = "$summary" ] ||
  fail "the summary '$summary' is empty, over 35 characters or not the desktop entry's comment"
grep -q '<developer id="example.numorra">' "$metainfo" || fail "the metainfo names no developer id"
[ "$(grep -Ec '<color type="primary" scheme_preference="(light|dark)">#[0-9a-f]{6}</color>' \
  "$metainfo")" -eq 2 ] || fail "the metainfo has no light and dark brand colours"
shots=$(sed -n 's:^ *<image>.*/\([^/]*\)</image>$:\1:p' "$metainfo")
[ "$(grep -c '<caption>' "$metainfo")" -eq 3 ] && [ "$(wc -w <<<"$shots")" -eq 3 ] ||
  fail "the metainfo has not three captioned screenshots"
[ "$(key StartupNotify)" = true ] || fail "the desktop entry asks for no launch feedback"

man --warnings -E UTF-8 -l share/man/man6/numorra.6.gz 2>&1 >/dev/null | grep . &&
  fail "the manual page has faults"
gzip -t share/man/man6/numorra.6.gz share/doc/numorra/changelog.gz || fail "a document is not gzip"
gunzip -c share/doc/numorra/changelog.gz >"$work/changelog"
dpkg-parsechangelog -l "$work/changelog" -S Version | grep -qx "$version.0" ||
  fail "the changelog's last entry is not version $version.0"
released=$(date -u -d "$(dpkg-parsechangelog -l "$work/changelog" -S Date)" +%F)
grep -q "<release version=\"$version\" date=\"$released\">" "$metainfo" ||
  fail "the metainfo's release date is not the changelog's, $released"

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
