#!/usr/bin/env bash
# Installs the build into a staging folder and checks what a desktop, a
# software centre and a manual reader are told: the tree, the validators,
# the names that tie the files together, the documents' facts, the icon
# sizes, the catalog, and that the installed game starts.
# Usage: check_install.sh BUILD_DIR VERSION INSTALLED_GAME SOURCE_DIR
source "$(dirname "$0")/../checks.sh" install_tree desktop-file-validate appstreamcli man dpkg-parsechangelog file
set -euo pipefail
build=$1 version=$2 installed_game=$3 source_dir=$4
id=example.numorra.Numorra
desktop=share/applications/$id.desktop
metainfo=share/metainfo/$id.metainfo.xml
cmake --install "$build" --prefix "$work/stage" >/dev/null
cd "$work/stage"

# The hicolor icons: a side, or "@2" for a screen scaled by two (twice the pixels).
sizes=(16 22 24 32 48 64 128 256 64@2 128@2)
expected=(games/numorra "$desktop" "$metainfo" share/doc/numorra/changelog.gz share/doc/numorra/copyright
  share/lintian/overrides/numorra share/man/man6/numorra.6.gz share/icons/hicolor/scalable/apps/$id.svg)
for size in "${sizes[@]}"; do
  side=${size%@2}
  icon=share/icons/hicolor/${side}x$side${size#"$side"}/apps/$id.png
  expected+=("$icon")
  [ "$size" = "$side" ] || side=$((side * 2))
  file "$icon" | grep "PNG image data, $side x $side" >/dev/null || fail "$icon is not a $side x $side PNG"
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(find . -type f -printf '%P\n' | sort) ||
  fail "the installed tree differs from the expected one (< expected, > installed)"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --pedantic --no-net "$metainfo" >"$work/validate" || fail "appstreamcli rejects $metainfo: $(cat "$work/validate")"
gzip -t share/man/man6/numorra.6.gz share/doc/numorra/changelog.gz || fail "a document is not gzip"
man --warnings -E UTF-8 -l share/man/man6/numorra.6.gz 2>&1 >/dev/null | grep . && fail "the manual page has faults"

gunzip -c share/doc/numorra/changelog.gz >"$work/changelog"
released=$(date -u -d "$(dpkg-parsechangelog -l "$work/changelog" -S Date)" +%F)
summary=$(sed -n 's:^ *<summary>\(.*\)</summary>$:\1:p' "$metainfo")
[ -n "$summary" ] && [ ${#summary} -le 35 ] || fail "the summary '$summary' is empty or over 35 characters"
# What the desktop entry, the metainfo and the changelog say (the window's
# class is the x11 check's): a command, and after the last "|" its output.
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

# Each level's time and range in the manual page, and the times in the
# metainfo and the README, as players know them (tests/levels.txt).
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

# The catalog a distribution makes of the tree, as software centres read
# it: no error or warning, icons for screens scaled by two, and the screen
# the board needs, so that a phone is not offered the game.
if appstreamcli compose --help >/dev/null 2>&1; then
  report=$(appstreamcli compose --no-net --no-color --prefix=/ --origin=numorra \
    --result-root="$work/catalog" --print-report=full "$PWD" 2>&1) || fail "appstreamcli compose fails: $report"
  grep -E '^ *[EW]: ' <<<"$report" && fail "appstreamcli compose warns of the tree: $report"
  catalog=$(gunzip -c "$work/catalog"/share/swcatalog/xml/numorra.xml.gz)
  for icon in 64 128; do
    grep '<icon type="cached"' <<<"$catalog" | grep "width=\"$icon\"" | grep 'scale="2"' >/dev/null ||
      fail "the catalog has no ${icon}x$icon icon for a screen scaled by two"
  done
  grep -Pzq '<requires>\s*<display_length[^>]*>420</display_length>' <<<"$catalog" ||
    fail "the catalog does not require a screen of 420 pixels or more"
else
  [ "${CI:-}" != true ] || fail "appstreamcli compose is not installed (scripts/install-deps.sh test installs it)"
  echo "install_tree: appstreamcli compose not installed: the catalog is not checked" >&2
fi

# The installed game keeps running until the player ends it.
status=0
QT_QPA_PLATFORM=offscreen timeout 2 games/numorra || status=$?
[ "$status" -eq 124 ] || fail "the installed game ended with status $status instead of running"
# A user's own prefix puts the game in bin, on the user's PATH, and the desktop entry follows.
cmake -S "$source_dir" -B "$work/user" -G Ninja -DCMAKE_INSTALL_PREFIX="$work/home/.local" >/dev/null
[ "$(sed -n 's/^Exec=//p' "$work/user/packaging/$id.desktop")" = "$work/home/.local/bin/numorra" ] ||
  fail "installed under a user's prefix, the game would not be in its bin"
echo "install_tree: $(find . -type f | wc -l) files, validators pass, the listing and the catalog are complete, the game starts, a user's prefix puts it in bin"
