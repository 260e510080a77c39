#!/usr/bin/env bash
# The shipped programs and the bundle are reproducible: the same source, copied
# to another folder and built there afresh, gives byte-identical programs, and
# its bundle (made minutes later, from files of other times) a byte-identical
# zip. The copy is built only as far as the shipped programs; the 64-bit
# programs in the zip are the main 64-bit build's (the 64-bit suite checks
# those the same way).
#
#   check_reproducible.sh <source> <build folder> <preset> <work folder> <program>...
#   (programs relative to the build folder, e.g. src/app/veskel.exe)
set -uo pipefail
source=$1 build=$2 preset=$3 work=$4
shift 4

started=$SECONDS
rm -rf "$work"
mkdir -p "$work/copy of the source"
copy="$work/copy of the source"
# The files the main build read: the whole tree but its build folders and Git.
tar -C "$source" --exclude=./build --exclude=./.git -cf - . | tar -C "$copy" -xf - ||
  { echo "FAIL: could not copy $source"; exit 1; }
second=$work/second-build
targets=()
for program in "$@"; do targets+=(--target "$(basename "$program" .exe)"); done
x64=$(sed -n 's/^VESKEL_BUNDLE_X64_DIR:PATH=//p' "$build/CMakeCache.txt")
if ! (cmake --preset "$preset" -S "$copy" -B "$second" -DVESKEL_BUNDLE_X64_DIR="$x64" &&
      cmake --build "$second" "${targets[@]}") >"$work/build.log" 2>&1; then
  cat "$work/build.log"; echo "FAIL: the copy did not build"; exit 1
fi

failures=0
for program in "$@"; do
  if cmp -s "$build/$program" "$second/$program"; then
    echo "ok: $program is the same, $(sha256sum <"$second/$program" | cut -c1-16)…"
  else
    echo "FAIL: $program differs between $build and $second:"
    cmp -l "$build/$program" "$second/$program" | head -5 | sed 's/^/  | /'
    failures=$((failures + 1))
  fi
done

if [ -f "$build/CPackConfig.cmake" ]; then
  if [ ! -f "$x64/src/cli/drivemask.exe" ]; then
    echo "note: the zip was not compared: the 64-bit drivemask.exe is not built ($x64)"
  else
    for side in main second; do
      config=$build/CPackConfig.cmake
      [ $side = main ] || config=$second/CPackConfig.cmake
      cpack --config "$config" -B "$work/zip-$side" >"$work/cpack-$side.log" 2>&1 ||
        { cat "$work/cpack-$side.log"; echo "FAIL: cpack ($side)"; exit 1; }
    done
    zip=$(cd "$work/zip-main" && ls ./*.zip)
    if cmp -s "$work/zip-main/$zip" "$work/zip-second/$zip" &&
       cmp -s "$work/zip-main/$zip.sha256" "$work/zip-second/$zip.sha256"; then
      echo "ok: ${zip#./} and its .sha256 are the same: $(cut -c1-16 "$work/zip-main/$zip.sha256")…"
    else
      echo "FAIL: ${zip#./} differs between the two builds' bundles:"
      for side in main second; do
        echo "  $side: $(cut -c1-64 "$work/zip-$side/$zip.sha256")"
        unzip -Zl "$work/zip-$side/$zip" | sed 's/^/  | /'
      done
      failures=$((failures + 1))
    fi
  fi
fi
echo "($((SECONDS - started)) s)"
[ $failures -eq 0 ] && rm -rf "$work"
exit $((failures > 0))
