#!/usr/bin/env bash
# drivemask template writes complete template files (under Wine for the
# Windows builds): the ADMX and ADML files are well-formed XML, every string
# and presentation the ADMX uses is defined in the ADML, every choice's value
# is its mask; the ADM file equals the hand-written expected file.
#
#   template_files.sh <expected .adm> <program> [runner...]
set -uo pipefail
expected_adm=$1 program=$2
shift 2
runner=("$@")
expected_adm=$(realpath "$expected_adm") program=$(realpath "$program")
source "$(dirname "${BASH_SOURCE[0]}")/scratch_folder.sh"

# The mask of a choice whose kept drives are the given letters: every other
# letter's bit, A: = bit 0.
mask_keeping() {
  local kept=$1 mask=0 i letter
  for i in $(seq 0 25); do
    letter=$(printf "\\x$(printf %x $((65 + i)))")
    [[ $kept == *$letter* ]] || mask=$((mask | (1 << i)))
  done
  echo $mask
}

choices=("Only C and D=C,D" "Office & <lab> 'x'=C-F X" "Nothing=none" "Everything=all")
kept=(CD CDEFX "" ABCDEFGHIJKLMNOPQRSTUVWXYZ)
args=()
for c in "${choices[@]}"; do args+=(--choice "$c"); done

"${runner[@]}" "$program" template "${args[@]}" --out admx >out.txt 2>err.txt
rc=$?
[ $rc -eq 77 ] && grep -q '^wine-run: skipped: ' err.txt && { grep '^wine-run: skipped: ' err.txt; exit 77; }
[ $rc -eq 0 ] || fail "template --out admx: exit $rc: $(cat err.txt)"
admx=admx/VeskelDrives.admx adml=admx/en-US/VeskelDrives.adml
tr -d '\r' <out.txt | grep -qx '  Only C and D        67108851  restricts A, B, E-Z; leaves C, D' ||
  fail "the program's outline does not list the first choice with its mask: $(cat out.txt)"
for file in "$admx" "$adml"; do
  xmllint --noout "$file" || fail "$file is not well-formed XML"
  if grep -q $'[^\r]$' "$file"; then fail "$file has a line without CR LF"; fi
done
grep -q 'minRequiredRevision="1.0"' "$admx" || fail "$admx has no resources minRequiredRevision"
for kind in string presentation; do
  for id in $(grep -o "\$($kind\.[A-Za-z0-9_]*)" "$admx" | sed "s/^\$($kind\.//; s/)$//" | sort -u); do
    grep -q "<$kind id=\"$id\">" "$adml" || fail "$kind $id is used in $admx but not defined in $adml"
  done
done
# Each policy lists every choice once, in order, with its mask.
for policy in VeskelHideDrives VeskelBlockDrives; do
  values=$(xmllint --xpath "//*[local-name()='policy'][@name='$policy']//*[local-name()='decimal']/@value" "$admx" |
    grep -o '[0-9]*' | tr '\n' ' ')
  want=""
  for k in "${kept[@]}"; do want+="$(mask_keeping "$k") "; done
  [ "$values" = "$want" ] || fail "$policy values '$values', expected '$want'"
done
grep -qF '<string id="VeskelDrives_Choice2">Office &amp; &lt;lab&gt; &apos;x&apos;</string>' "$adml" ||
  fail "the label with XML characters is not escaped in $adml"

"${runner[@]}" "$program" template --choice "Only C and D=C,D" --choice "Office=C-F X" \
  --choice "Nothing=none" --format adm-file --out adm >out.txt 2>err.txt
rc=$?
[ $rc -eq 0 ] || fail "template --format adm-file: exit $rc: $(cat err.txt)"
if grep -q $'[^\r]$' adm/VeskelDrives.adm; then fail "the ADM file has a line without CR LF"; fi
tr -d '\r' <adm/VeskelDrives.adm | diff -u "$expected_adm" - || fail "the ADM file differs"
[ -z "$(ls adm | grep -v '^VeskelDrives.adm$')" ] || fail "more than the ADM file in adm/: $(ls adm)"
[ $status -eq 0 ] && echo "ok: ADMX, ADML and ADM files"
exit $status
