#!/usr/bin/env bash
# Hostile and careless command lines through the real program (under Wine for
# the Windows builds). Each must end with exit 2, nothing on standard output
# and one line of ASCII on standard error; the lines must equal the expected
# file, which is the same for every build: the native and the Windows builds
# give the same answer, byte for byte.
#
#   hostile_arguments.sh <expected file> <program> [runner...]
set -uo pipefail
expected=$1 program=$2
shift 2
runner=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Wine reads the Unix arguments as text in the locale's character set.
export LC_ALL=C.UTF-8

status=0
run() {
  "${runner[@]}" "$program" "$@" >"$work/out" 2>"$work/err"
  local rc=$?
  if [ $rc -eq 77 ] && grep -q '^wine-run: skipped: ' "$work/err"; then
    grep '^wine-run: skipped: ' "$work/err"
    exit 77
  fi
  tr -d '\r' <"$work/err" | grep -v '^wine-run:' >"$work/line"
  local problem=""
  [ -s "$work/out" ] && problem="$problem, standard output not empty"
  [ "$(wc -l <"$work/line")" -eq 1 ] || problem="$problem, not one line on standard error"
  LC_ALL=C grep -q '[^ -~]' "$work/line" && problem="$problem, not printable ASCII"
  [ "$(wc -c <"$work/line")" -le 400 ] || problem="$problem, longer than 400 characters"
  if [ -n "$problem" ]; then
    echo "FAIL: drivemask $(printf '%q ' "$@" | head -c 200): exit $rc${problem}" >&2
    status=1
  fi
  echo "$rc $(head -c 400 "$work/line" | head -n 1)" >>"$work/got"
}

# Long, but within the 32767 characters of a Windows command line.
long=$(head -c 30000 /dev/zero | tr '\0' A)
run keep $'\xef\xbc\xa3'                                      # fullwidth C
run keep $'\xef\xbc\x93'                                      # fullwidth 3
run keep $'C\xef\xbc\x8dF'                                    # fullwidth hyphen
run keep C $'\xef\xbc\x8d\xef\xbc\x8dvalue' both $'\xef\xbc\x8d\xef\xbc\x8dformat' reg
run keep $'\xf0\x9d\x90\x82'                                  # mathematical bold C
run keep $'C\xe2\x80\x8b'                                     # zero-width space
run keep $'C\xcc\x81'                                         # combining accent
run keep ''
run keep ,,,
run hide ' , '
run ''
run keep $'C\nD'
run keep $'\x1b[31mC'
run decode $'0x3\r'
run hide $'\x7f'
run keep C --format $'reg\tadd'
run keep C $'--form\xc3\xa4t' reg
run keep "$long"
run decode "${long//A/a}"
run -- --help
run 3 --format zz -h
run keep C --hive HKU --help

diff -u "$expected" "$work/got" || status=1
exit $status
