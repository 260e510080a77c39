#!/usr/bin/env bash
# A shipped program must run as one file: it may import only DLLs that every
# Windows has, none of the MinGW run-time DLLs (libgcc, libstdc++,
# libwinpthread) and nothing else that would have to travel beside it. It
# must also be of the build's kind (pei-i386 for the 32-bit build). The DLLs
# it binds on first use (delay-load) count too: their names sit in the import
# data beside those of the import table, where objdump does not list them.
#
#   check_system_imports.sh <objdump> <program.exe> <file format>
set -uo pipefail
objdump=$1 program=$2 format=$3
objcopy=${objdump%objdump}objcopy
system='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|winmm|advapi32|msvcrt|ole32|oleaut32|version|shlwapi)\.dll$'

bound=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r')
if [ -z "$bound" ]; then
  echo "FAIL: no imports found in $program (not a PE file?)" >&2
  exit 1
fi
idata=$(mktemp)
trap 'rm -f "$idata"' EXIT
"$objcopy" -O binary --only-section=.idata "$program" "$idata" ||
  { echo "FAIL: no import data in $program" >&2; exit 1; }
named=$(strings -a "$idata" | grep -i '\.dll$')
imports=$(printf '%s\n%s\n' "$bound" "$named" | sort -fu)
status=0
got=$("$objdump" -f "$program" | sed -n 's/.*file format //p')
if [ "$got" == "$format" ]; then
  echo "ok: $(basename "$program") is $got"
else
  echo "FAIL: $(basename "$program") is '$got', expected $format" >&2
  status=1
fi
while read -r dll; do
  when="at start-up"
  grep -qixF "$dll" <<<"$bound" || when="on first use"
  if [[ "${dll,,}" =~ $system ]]; then
    echo "ok: $dll (bound $when)"
  else
    echo "FAIL: $(basename "$program") imports $dll, which is not a system DLL" >&2
    status=1
  fi
done <<<"$imports"
exit $status
