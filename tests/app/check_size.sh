#!/usr/bin/env bash
# A shipped program stays within its size ceiling (bytes on disk).
#   check_size.sh <program.exe> <ceiling>
set -uo pipefail
program=$1 ceiling=$2
size=$(stat -c %s "$program") || exit 1
echo "$(basename "$program"): $size bytes, ceiling $ceiling"
[ "$size" -le "$ceiling" ] || { echo "FAIL: $(basename "$program") grew past its ceiling" >&2; exit 1; }
