#!/usr/bin/env bash
# tools/wine-run on a host that runs no 32-bit code, made so in two ways: by
# VESKEL_NO_32BIT=1, and by a 32-bit loader that fails as such a host's does
# ("Exec format error"), which the runner must find out by trying it.
#
#   wine_run_without_32bit.sh <wine-run> <prefix> <drivemask.exe> <32|64>
set -uo pipefail
wine_run=$1 prefix=$2 program=$3 bits=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# An ELF header of no machine this kernel runs: executing it fails with ENOEXEC.
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000' >"$work/wine32"
chmod +x "$work/wine32"

failures=0
for way in "VESKEL_NO_32BIT=1" "VESKEL_WINE32_LOADER=$work/wine32"; do
  env -u VESKEL_HOST_32BIT "$way" "$wine_run" --prefix "$prefix" --timeout 60 \
    "$program" keep C D >"$work/out" 2>"$work/err"
  rc=$?
  grep -v '^wine-run: creating Wine prefix' "$work/err" >"$work/err.kept"
  if [ "$bits" = 32 ]; then
    if [ $rc -eq 77 ] && [ ! -s "$work/out" ] && [ "$(wc -l <"$work/err.kept")" -eq 1 ] &&
       grep -q '^wine-run: skipped: drivemask.exe is a 32-bit program and this host cannot run 32-bit programs' "$work/err.kept"; then
      echo "ok ($way): the 32-bit program is not started, exit 77 with one line"
    else
      echo "FAIL ($way): exit $rc, stdout $(wc -c <"$work/out") bytes, stderr:"; sed 's/^/  | /' "$work/err"
      failures=$((failures + 1))
    fi
  else
    if [ $rc -eq 0 ] && grep -q '67108851' "$work/out"; then
      echo "ok ($way): the 64-bit program runs"
    else
      echo "FAIL ($way): exit $rc, stdout:"; sed 's/^/  | /' "$work/out" "$work/err"
      failures=$((failures + 1))
    fi
  fi
done
exit $((failures > 0))
