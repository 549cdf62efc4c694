#!/usr/bin/env bash
# Installs, from Debian's packages, what one kind of work needs and the
# machine does not have yet, and says what it installs.
# Usage: install-deps.sh KIND...   with KIND one of
#   play          building and running the game
#   package       building the Debian package
#   test          building and running every test (play's packages too)
#   lint          the formatting and clang-tidy checks
#   screenshots   rendering docs/ under Xvfb, light and dark
#   screenreader  playing a game under the Orca screen reader
#   bench         the benchmarks
set -euo pipefail

play=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools
  # the icons are drawn from their vector art when the game is built
  qt6-svg-dev
  # a metric-compatible sans-serif face for the board's bold labels
  fonts-liberation fonts-dejavu-core
)
# real windows without a screen: X11 with and without a window manager,
# a Wayland compositor, and a session bus as a desktop session has one
desktop=(xvfb xauth x11-utils xdotool openbox weston qt6-wayland imagemagick dbus-daemon)
package=("${play[@]}" dpkg-dev file)
# the Orca screen reader on a private AT-SPI bus
screenreader_tools=(orca at-spi2-core dbus python3-pyatspi libfaketime)
test=(
  "${package[@]}" "${desktop[@]}" libgtest-dev "${screenreader_tools[@]}"
  # install and package checks
  desktop-file-utils appstream appstream-compose lintian man-db git
)
bench=("${play[@]}" xvfb x11-utils xdotool valgrind libbenchmark-dev libx11-dev libxtst-dev python3
  # the long evening of play, with and without an accessibility bus
  openbox dbus at-spi2-core procps)
lint=("${bench[@]}" libgtest-dev clang-format clang-tidy)
screenshots=("${play[@]}" "${desktop[@]}" qt6ct)
screenreader=("${play[@]}" "${desktop[@]}" "${screenreader_tools[@]}")

[ $# -gt 0 ] || { echo "install-deps: usage: install-deps.sh KIND... (see the script)" >&2; exit 2; }
wanted=()
for kind in "$@"; do
  case "$kind" in
    play | package | test | lint | screenshots | screenreader | bench) ;;
    *) echo "install-deps: no such kind of work: $kind" >&2; exit 2 ;;
  esac
  declare -n list="$kind"
  wanted+=("${list[@]}")
done

missing=()
for p in $(printf '%s\n' "${wanted[@]}" | sort -u); do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep "install ok installed" >/dev/null; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything $* needs is installed."
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
  else
    echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
    exit 1
  fi
fi

echo "install-deps: installing for $*: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
