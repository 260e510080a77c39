#!/usr/bin/env bash
# drivemask show --local-gpo under Wine: no local policy (exit 0, said so),
# then one placed in the real System32\GroupPolicy of the test prefix, which
# a 32-bit program on 64-bit Windows finds only with file system redirection
# turned off (its System32 is SysWOW64 otherwise). Whatever the outcome, the
# folder is taken away again. gpo without --dir edits that local policy.
#
#   show_local_gpo.sh <wine-run> <prefix> <drivemask.exe>
set -uo pipefail
wine_run=$1 prefix=$2 program=$3
"$wine_run" --can-run "$program" || exit 77
work=$(mktemp -d)
system32=$prefix/drive_c/windows/system32
policy=$system32/GroupPolicy
trap 'rm -rf "$work" "$policy"' EXIT
rm -rf "$policy"

status=0
show() {
  "$wine_run" --prefix "$prefix" "$program" show --local-gpo "$@" >"$work/out" 2>"$work/err"
  rc=$?
  tr -d '\r' <"$work/out" >"$work/show"
}

show
if [ $rc -ne 0 ] || ! grep -q '^This computer has no local Group Policy: ' "$work/show"; then
  echo "FAIL: without a local policy: exit $rc: $(cat "$work/show" "$work/err")" >&2
  status=1
fi

# The User part hides A: and B: (mask 3), as the local policy editor writes it.
mkdir -p "$policy/User"
printf '[General]\r\ngPCUserExtensionNames=[{35378EAC-683F-11D2-A89A-00C04FBBCFA2}{D02B1F73-3407-48AE-BA88-E8213C6761F1}]\r\nVersion=65536\r\n' >"$policy/gpt.ini"
{
  printf 'PReg\x01\x00\x00\x00'
  printf '%s' '[Software\Microsoft\Windows\CurrentVersion\Policies\Explorer' | iconv -t utf-16le
  printf '\x00\x00'
  printf '%s' ';NoDrives' | iconv -t utf-16le
  printf '\x00\x00;\x00\x04\x00\x00\x00;\x00\x04\x00\x00\x00;\x00\x03\x00\x00\x00]\x00'
} >"$policy/User/Registry.pol"
show
if [ $rc -ne 0 ] || ! grep -q '^Explorer drive policy, from the local Group Policy of this computer, ' "$work/show" ||
  ! grep -q '^  HKEY_CURRENT_USER     sets REG_DWORD 0x00000003 (3): hides A, B; leaves C-Z' "$work/show"; then
  echo "FAIL: with a local policy in the real System32: exit $rc: $(cat "$work/show" "$work/err")" >&2
  status=1
fi
show --format json
grep -q '"kind": "local-gpo"' "$work/show" || { echo "FAIL: --format json: $(cat "$work/show")" >&2; status=1; }

# gpo without --dir edits that same local policy (the real System32 again,
# never SysWOW64), and show --local-gpo reads the change back.
"$wine_run" --prefix "$prefix" "$program" gpo keep C D >"$work/out" 2>"$work/err"
rc=$?
show
if [ $rc -ne 0 ] || ! grep -q '^  HKEY_CURRENT_USER     sets REG_DWORD 0x03fffff3 (67108851)' "$work/show" ||
  ! tr -d '\r' <"$policy/gpt.ini" | grep -qx 'Version=131072' ||
  [ -e "$system32/../syswow64/GroupPolicy" ]; then
  echo "FAIL: gpo on the local policy: exit $rc: $(cat "$work/err" "$work/show" "$policy/gpt.ini")" >&2
  status=1
fi

[ $status -eq 0 ] && echo "ok: show --local-gpo, and gpo on the local policy"
exit $status
