#!/usr/bin/env bash
# Output that cannot be written is reported, never taken for success: with
# standard output on a full device or closed, drivemask ends with exit 3 and
# one error line, whatever it had to write; bad input stays exit 2.
#
#   output_failure.sh <program>                           native build
#   output_failure.sh <program> <wine-run> <prefix> <32|64>    Windows build
#
# Under Wine the program is started by the loader itself: tools/wine-run
# collects a program's output in files, which never fill up or close.
set -uo pipefail
program=$1
launch=("$program")
if [ $# -gt 1 ]; then
  wine_run=$2 prefix=$3 bits=$4
  "$wine_run" --can-run "$program" || exit 77
  # Makes the prefix when it is missing and starts the warm wineserver.
  "$wine_run" --prefix "$prefix" "$program" --help >/dev/null || exit 1
  export WINEPREFIX=$(cd "$prefix" && pwd) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # The loaders tools/wine-run picks for each kind of program.
  if [ "$bits" = 64 ]; then
    loader=/usr/lib/wine/wine64
    export WINELOADER=$loader
  else
    loader=${VESKEL_WINE32_LOADER:-/usr/lib/wine/wine}
    unset WINELOADER
  fi
  launch=(timeout 120 "$loader" "$program")
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
# expect <exit code> <error line pattern> <how> args...
expect() {
  local code=$1 pattern=$2 how=$3
  shift 3
  case "$how" in
    full) "${launch[@]}" "$@" >/dev/full 2>"$work/err" ;;
    closed) "${launch[@]}" "$@" >&- 2>"$work/err" ;;
  esac
  local rc=$?
  tr -d '\r' <"$work/err" >"$work/line"
  if [ $rc -ne "$code" ] || [ "$(wc -l <"$work/line")" -ne 1 ] || ! grep -Eq "^drivemask: error: $pattern" "$work/line"; then
    echo "FAIL: drivemask $* with standard output $how: exit $rc, expected $code; standard error:" >&2
    cat "$work/err" >&2
    status=1
  else
    echo "ok: drivemask $* with standard output $how: exit $rc, $(cat "$work/line")"
  fi
}

written='cannot write the output: '
expect 3 "${written}the disk is full$" full keep C D
expect 3 "${written}the disk is full$" full --help
expect 3 "${written}standard output is closed$" closed keep C D --format reg --value both
expect 3 "${written}standard output is closed$" closed --help
expect 2 'the drive list "" is empty' closed keep ''
expect 2 'unknown format' full keep C --format zz
exit $status
