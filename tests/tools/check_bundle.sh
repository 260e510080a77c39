#!/usr/bin/env bash
# The release bundle as an administrator downloads it: made by CPack, it holds
# exactly the shipped files, its SHA256SUMS matches them, the zip's own
# checksum file matches the zip, and the programs are of the right kind.
#
#   check_bundle.sh <CPackConfig.cmake> <work folder> <package name> <64-bit build folder>
set -uo pipefail
config=$1 work=$2 name=$3 x64=$4

if [ ! -f "$x64/src/cli/drivemask.exe" ]; then
  echo "skipped: the 64-bit drivemask.exe is not built ($x64); build the windows-x86_64 preset first"
  exit 77
fi
rm -rf "$work"
mkdir -p "$work"
cpack --config "$config" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
zip=$work/$name.zip
[ -f "$zip" ] || { echo "FAIL: $zip was not made"; cat "$work/cpack.log"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expected=$(printf '%s\n' README.txt SHA256SUMS drivemask.exe veskel.exe x64/drivemask.exe)
listed=$(unzip -Z1 "$zip" | grep -v '/$' | sed "s#^$name/##" | sort)
[ "$listed" == "$expected" ] || fail "the zip holds:"$'\n'"$listed"$'\n'"expected:"$'\n'"$expected"

mkdir -p "$work/unpacked"
unzip -q "$zip" -d "$work/unpacked"
top=$work/unpacked/$name
(cd "$top" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the files"
summed=$(sed 's/^[0-9a-f]\{64\}  //' "$top/SHA256SUMS" | sort)
[ "$summed" == "$(grep -vx SHA256SUMS <<<"$expected")" ] || fail "SHA256SUMS lists: $summed"
(cd "$work" && sha256sum --quiet -c <(sed "s#  .*#  $name.zip#" "$name.zip.sha256")) ||
  fail "$name.zip.sha256 does not match the zip"
grep -q $'\r$' "$top/README.txt" || fail "README.txt has no Windows line ends"

# The machine field of the PE header: 014c for i386, 8664 for x86-64.
pe_machine() {
  local at
  at=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  [ "$(od -An -c -j"$at" -N4 "$1" | tr -d ' ')" == 'PE\0\0' ] || return 0
  od -An -tx2 -j$((at + 4)) -N2 "$1" | tr -d ' '
}
for file in veskel.exe drivemask.exe x64/drivemask.exe; do
  want=014c
  [[ "$file" == x64/* ]] && want=8664
  got=$(pe_machine "$top/$file")
  [ "$got" == "$want" ] && echo "ok: $file is a PE file for machine $got" ||
    fail "$file: PE machine '$got', expected $want"
done
[ $failures -eq 0 ] && echo "ok: $name.zip"
exit $((failures > 0))
