#!/bin/bash
# Every platform handle in src/ is freed by its owner: no DeleteObject,
# DestroyIcon, DestroyCursor, DestroyMenu or DeleteDC call on a handle outside
# the owner types and the framework's wrappers (src/framework/). Calls of the
# wrappers' own members (menu.DestroyMenu(), dc.DeleteDC()) are fine.
# Usage: check_handle_owners.sh SOURCE_DIR
set -u
src="$1/src"
pattern='(^|[^.>:[:alnum:]_])(::)?(DeleteObject|DestroyIcon|DestroyCursor|DestroyMenu|DeleteDC)[[:space:]]*\([[:space:]]*[^)[:space:]]'
found=$(grep -rnE --include='*.cpp' --include='*.h' "$pattern" "$src" | grep -v "^$src/framework/")
if [ -n "$found" ]; then
  echo "handles freed by hand outside the owner types:"
  echo "$found"
  exit 1
fi
echo "no handle freed by hand outside src/framework/"
