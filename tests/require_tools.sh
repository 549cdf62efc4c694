# Sourced by the checks that run the game with outside tools. A check whose
# tools are missing is skipped (status 77, which ctest reports as skipped)
# with the reason on a developer's machine, and fails in CI, where the test
# command has installed every one of them.
require_tools() { # CHECK TOOL...
  local check=$1 tool missing=()
  shift
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "$check: skipped: ${missing[*]} not installed (scripts/install-deps.sh test installs them)" >&2
  [ "${CI:-}" = true ] && exit 1
  exit 77
}
