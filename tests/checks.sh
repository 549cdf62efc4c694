# The frame of every check that runs the game with outside tools, sourced as
#   source tests/checks.sh NAME TOOL...
# A check whose tools are missing is skipped (status 77, which ctest reports
# as skipped) with the reason on a developer's machine, and fails in CI,
# where the test command has installed every one. `fail` ends the check
# with its name and a message; its work folder ($work) and the programs it
# started (scripts/x_session.sh) go when it ends, however it ends.
check=$1
shift
fail() { echo "$check: $*" >&2; exit 1; }
missing=()
for tool in "$@"; do command -v "$tool" >/dev/null 2>&1 || missing+=("$tool"); done
if [ ${#missing[@]} -gt 0 ]; then
  echo "$check: skipped: ${missing[*]} not installed (scripts/install-deps.sh test installs them)" >&2
  [ "${CI:-}" = true ] && exit 1
  exit 77
fi
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/x_session.sh"
work=$(mktemp -d)
# The check's own shell alone cleans up: a program stopped before it has
# left the shell it was started from runs that shell's trap.
trap '[ "$BASHPID" != "$$" ] || { x_session_stop; rm -rf "$work"; }' EXIT
window_named() { x_session_window "$1" || fail "no window titled '$1' came on screen"; }
# A desktop entry's KEY.
entry() { sed -n "s/^$2=//p" "$1"; }
