#!/usr/bin/env bash
# tools/wine-run pointed at folders it did not make: a folder with something
# in it (a prefix of the user's own, or one an older runner left half-made)
# and a file. Each is left exactly as it was, nothing is run, the run ends
# with exit 3 and one line, and no temporary file stays beside it.
#
#   wine_run_foreign_prefix.sh <wine-run>
set -uo pipefail
wine_run=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
site=$work/site out=$work/out err=$work/err
mkdir -p "$site/own-prefix/drive_c"
echo keep >"$site/own-prefix/drive_c/precious.txt"
echo keep >"$site/a-file"
# What is in the folder, sizes and contents; the runner's lock file aside.
listing() { (cd "$site" && find . ! -name '*.lock' -printf '%p %s\n' | sort && cat ./*/*/*.txt); }

failures=0
for prefix in "$site/own-prefix" "$site/a-file"; do
  before=$(listing)
  env -u VESKEL_HOST_32BIT "$wine_run" --prefix "$prefix" --timeout 30 cmd /c echo ran \
    >"$out" 2>"$err"
  rc=$?
  after=$(listing)
  name=${prefix#"$site"/}
  if [ $rc -eq 3 ] && [ ! -s "$out" ] && [ "$(wc -l <"$err")" -eq 1 ] &&
     grep -q "^wine-run: $prefix exists and was not made by wine-run" "$err" &&
     [ "$before" == "$after" ]; then
    echo "ok: $name is left as it was (exit 3, one line)"
  else
    echo "FAIL: $name: exit $rc; stdout:"; sed 's/^/  | /' "$out"
    echo "  stderr:"; sed 's/^/  | /' "$err"
    echo "  before:"; sed 's/^/  | /' <<<"$before"
    echo "  after:"; sed 's/^/  | /' <<<"$after"
    failures=$((failures + 1))
  fi
done
exit $((failures > 0))
