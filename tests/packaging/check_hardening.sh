#!/usr/bin/env bash
# Reads the built executable and checks Debian's hardening: a position
# independent executable, full RELRO, the stack protector and fortified
# libc calls, and no library search path that the working directory could
# answer (an empty or relative RUNPATH entry). Usage: check_hardening.sh EXECUTABLE
set -euo pipefail
binary=$1
fail() { echo "hardening: $binary: $*" >&2; exit 1; }

readelf -h "$binary" | grep 'Type:.*DYN' >/dev/null || fail "not a position independent executable"
readelf -d "$binary" | grep 'FLAGS_1.*PIE' >/dev/null || fail "not flagged PIE"
readelf -lW "$binary" | grep 'GNU_RELRO' >/dev/null || fail "no RELRO segment"
readelf -d "$binary" | grep -E 'BIND_NOW|FLAGS_1.* NOW' >/dev/null || fail "RELRO is partial: no BIND_NOW"
runpath=$(readelf -d "$binary" | sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]/\2/p')
if [ -n "$runpath" ]; then
  IFS=: read -r -a entries <<<"$runpath:"
  for entry in "${entries[@]}"; do
    case "$entry" in
      /* | '$ORIGIN'*) ;;
      *) fail "the library search path '$runpath' lets the working directory supply libraries" ;;
    esac
  done
fi
imports=$(readelf --dyn-syms -W "$binary" | awk '$7 == "UND" { print $8 }')
grep -q '^__stack_chk_fail' <<<"$imports" || fail "no stack protector"
# Fortified calls are imported as their checking variants (__fprintf_chk).
fortified=$(grep -E '^__[a-z_]+_chk@' <<<"$imports" | grep -v '^__stack_chk_fail' || true)
[ -n "$fortified" ] || fail "no fortified libc call: built without _FORTIFY_SOURCE?"
echo "hardening: PIE, full RELRO, stack protector, fortified calls:" $fortified
