#!/usr/bin/env bash
# Runs the README's two commands on a freshly bootstrapped, minimal Debian
# of one release, as a newcomer would: a clean clone of the last commit,
# then the play command (it builds, then says there is no display, or shows
# the board on the display passed in with FRESH_DISPLAY), then the test
# command. Prints how long each step took. Leaves nothing behind, also when
# a step fails.
# Usage: scripts/fresh-machine.sh SUITE   (bookworm or trixie; root)
set -euo pipefail
suite=${1:-}
case "$suite" in
  bookworm | trixie) ;;
  *) echo "fresh-machine: usage: fresh-machine.sh bookworm|trixie" >&2; exit 2 ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "fresh-machine: needs root (it bootstraps and chroots)" >&2; exit 1; }
source=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)

# The mirror this machine already uses: Debian's own archive, whatever
# host the machine's apt sources name for it.
mirror() {
  local uri
  uri=$(apt-get indextargets --format '$(REPO_URI)' 'Created-By: Packages' 2>/dev/null |
    grep -v -- '-security' | grep '/debian/$' | head -n 1 || true)
  [ -n "$uri" ] || { echo "fresh-machine: no Debian mirror in this machine's apt sources" >&2; exit 1; }
  echo "${uri%/}"
}

root=$(mktemp -d /var/tmp/numorra-fresh-"$suite".XXXXXX)
mounted=()
clean_up() {
  local index
  for ((index = ${#mounted[@]} - 1; index >= 0; index--)); do
    umount --lazy "${mounted[index]}" 2>/dev/null || true
  done
  # Only a tree with nothing mounted in it any more is removed.
  if ! grep -q " $root/" /proc/self/mounts; then
    rm -rf --one-file-system "$root"
  else
    echo "fresh-machine: $root still has mounts; left in place" >&2
  fi
}
trap clean_up EXIT

step_started=0
step() { # WHAT
  step_started=$(date +%s)
  echo "fresh-machine: == $suite: $1"
}
step_done() { # WHAT
  echo "fresh-machine: $suite: $1 took $(($(date +%s) - step_started)) s"
}

if ! command -v mmdebstrap >/dev/null; then
  echo "fresh-machine: installing mmdebstrap"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap >/dev/null
fi

step "bootstrap"
mmdebstrap --quiet --variant=minbase --include=git,ca-certificates "$suite" "$root" "$(mirror)"
step_done "bootstrap"

bind() { # WHAT WHERE [OPTIONS]
  mkdir -p "$root$2"
  mount "${@:3}" "$1" "$root$2"
  mounted+=("$root$2")
}
bind proc /proc -t proc
bind sysfs /sys -t sysfs
bind /dev /dev --bind
bind /dev/pts /dev/pts --bind
bind tmpfs /dev/shm -t tmpfs
bind tmpfs /tmp -t tmpfs
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone --quiet --no-hardlinks "$source" "$root/root/numorra"

run() { # COMMAND: as the README gives it, in the clone, with a clean environment
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin \
    TERM=dumb LANG=C.UTF-8 ${CI:+CI=$CI} ${FRESH_DISPLAY:+DISPLAY=$FRESH_DISPLAY} \
    bash -c "cd /root/numorra && $1"
}
packages() { chroot "$root" dpkg-query -W -f '${Status}\n' | grep -c 'install ok installed'; }

before=$(packages)
step "scripts/play.sh"
if [ -n "${FRESH_DISPLAY:-}" ]; then
  bind /tmp/.X11-unix /tmp/.X11-unix --bind
  run "timeout 10 scripts/play.sh" || [ $? -eq 124 ] ||
    { echo "fresh-machine: $suite: the game did not stay up on $FRESH_DISPLAY" >&2; exit 1; }
else
  output=$(run "scripts/play.sh" 2>&1) && status=0 || status=$?
  printf '%s\n' "$output" | tail -n 4
  [ "$status" -eq 1 ] && grep -q "there is no display here" <<<"$output" ||
    { echo "fresh-machine: $suite: play.sh did not build and report the missing display" >&2; exit 1; }
fi
step_done "scripts/play.sh"
played=$(packages)
echo "fresh-machine: $suite: play.sh installed $((played - before)) packages"

step "scripts/test.sh"
run "scripts/test.sh"
step_done "scripts/test.sh"
tested=$(packages)
echo "fresh-machine: $suite: test.sh installed $((tested - played)) packages more"

# The package built there installs like any other, and the installed game
# starts and runs until it is ended.
step "the package"
run "scripts/package.sh >/dev/null && apt-get install -y -qq ./build/release/numorra_*.deb >/dev/null"
run "dpkg-query -W -f '\${Depends}\n' numorra" | sed "s/^/fresh-machine: $suite: Depends: /"
status=0
run "QT_QPA_PLATFORM=offscreen timeout 3 /usr/games/numorra" || status=$?
[ "$status" -eq 124 ] || { echo "fresh-machine: $suite: the installed game ended with status $status" >&2; exit 1; }
step_done "the package"
echo "fresh-machine: $suite: both commands passed"
