#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the
# screenshots need and the machine does not have yet. Says what it installs.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev libqt6svg6
  libgtest-dev
  # a metric-compatible sans-serif face for the board's bold labels
  fonts-liberation fonts-dejavu-core
  # lint
  clang-format clang-tidy
  # running real windows without a screen, and looking at them
  xvfb xauth x11-utils imagemagick xdotool
  # install and package checks
  desktop-file-utils appstream dpkg-dev file
  # benchmarks: rules micro-benchmarks, the X client that watches start-up
  libbenchmark-dev libx11-dev libxtst-dev python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep "install ok installed" >/dev/null; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything needed is installed."
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

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
