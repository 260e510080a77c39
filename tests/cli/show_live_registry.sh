#!/usr/bin/env bash
# drivemask show under Wine, against values set with Wine's reg in the test
# prefix: each hive, each type, both hives, neither. Every value a case adds
# is deleted again, whatever the outcome.
#
#   show_live_registry.sh <wine-run> <prefix> <drivemask.exe>
set -uo pipefail
wine_run=$1 prefix=$2 program=$3
"$wine_run" --can-run "$program" || exit 77
key='Software\Microsoft\Windows\CurrentVersion\Policies\Explorer'
work=$(mktemp -d)

reg() { "$wine_run" --prefix "$prefix" reg "$@" >/dev/null 2>&1; }
clean() {
  for hive in HKLM HKCU; do
    for name in NoDrives NoViewOnDrive; do reg delete "$hive\\$key" /v $name /f; done
  done
}
trap 'clean; rm -rf "$work"' EXIT
clean

status=0
# check <case> <expected lines, one per line>: runs show and looks for each.
check() {
  local name=$1 expected=$2
  "$wine_run" --prefix "$prefix" "$program" show >"$work/out" 2>"$work/err"
  local rc=$?
  # One line per entry: wrapped lines joined again.
  tr -d '\r' <"$work/out" |
    awk '/^                        [^ ]/ { sub(/^ +/, ""); line = line " " $0; next }
         { if (NR > 1) print line; line = $0 } END { print line }' >"$work/show"
  local missing=""
  while IFS= read -r line; do
    grep -qxF -- "$line" "$work/show" || missing="$missing"$'\n'"  missing: $line"
  done <<<"$expected"
  if [ $rc -ne 0 ] || [ -n "$missing" ]; then
    echo "FAIL: $name: exit $rc$missing" >&2
    cat "$work/show" "$work/err" >&2
    status=1
  else
    echo "ok: $name"
  fi
  clean
}

check "neither hive" \
"  HKEY_LOCAL_MACHINE    not set
  HKEY_CURRENT_USER     not set
  Applies:              none: every drive stays visible
  Applies:              none: every drive can be opened"

reg add "HKCU\\$key" /v NoDrives /t REG_DWORD /d 12 /f
check "user REG_DWORD" \
"  HKEY_CURRENT_USER     REG_DWORD 0x0000000c (12): hides C, D; leaves A, B, E-Z visible
  Applies:              the HKEY_CURRENT_USER value: hides C, D; leaves A, B, E-Z visible"

# Wine's reg runs as a 64-bit program: it writes the 64-bit view, the one
# Explorer reads.
reg add "HKLM\\$key" /v NoViewOnDrive /t REG_DWORD /d 3 /f
reg add "HKCU\\$key" /v NoViewOnDrive /t REG_DWORD /d 67108863 /f
check "both hives, the machine wins" \
"  HKEY_LOCAL_MACHINE    REG_DWORD 0x00000003 (3): blocks A, B; leaves C-Z open
  HKEY_CURRENT_USER     REG_DWORD 0x03ffffff (67108863): blocks every drive, A to Z
  Applies:              the HKEY_LOCAL_MACHINE value: blocks A, B; leaves C-Z open"

reg add "HKLM\\$key" /v NoDrives /t REG_SZ /d 67108851 /f
reg add "HKCU\\$key" /v NoDrives /t REG_BINARY /d 04000000 /f
check "machine REG_SZ ignored, user REG_BINARY" \
"  HKEY_LOCAL_MACHINE    REG_SZ \"67108851\": ignored by Explorer, which reads only a REG_DWORD or a 4-byte REG_BINARY
  HKEY_CURRENT_USER     REG_BINARY of 4 bytes, 04 00 00 00, read as 0x00000004 (4): hides C; leaves A, B, D-Z visible
  Applies:              the HKEY_CURRENT_USER value (the HKEY_LOCAL_MACHINE one is ignored): hides C; leaves A, B, D-Z visible"

reg add "HKCU\\$key" /v NoDrives /t REG_BINARY /d 0300 /f
reg add "HKLM\\$key" /v NoViewOnDrive /t REG_DWORD /d 0xffffffff /f
check "short REG_BINARY, bits above Z:" \
"  HKEY_CURRENT_USER     REG_BINARY of 2 bytes, 03 00: ignored by Explorer, which reads only a REG_DWORD or a 4-byte REG_BINARY
  Applies:              none: every drive stays visible
  HKEY_LOCAL_MACHINE    REG_DWORD 0xffffffff (4294967295): blocks every drive, A to Z; bits 26-31 lie above Z: and stand for no drive"
exit $status
