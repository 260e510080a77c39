#!/usr/bin/env bash
# veskel.exe as a user meets it: started under Wine on the build folder's
# virtual display, driven with real pointer clicks from the X side, its
# clipboard read by an X program, closed with the Esc key.
#
#   veskel_end_to_end.sh <wine-run> <prefix> <veskel.exe> <veskel_probe.exe>
set -uo pipefail
wine_run=$1 prefix=$2 exe=$3 probe_exe=$4

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_eq() { # what expected actual
  if [ "$2" == "$3" ]; then echo "ok: $1 = '$3'"; else fail "$1: expected '$2', got '$3'"; fi
}

# A 32-bit build on a host that runs no 32-bit code: skipped (exit 77).
"$wine_run" --can-run "$exe" || exit 77

# The same prefix and display that wine-run uses for this build folder.
"$wine_run" --prefix "$prefix" --timeout 60 cmd /c exit 0 >/dev/null 2>&1 || true
if [ -z "${DISPLAY:-}" ]; then
  read -r n _ <"$prefix/.xvfb" || { echo "no display for $prefix" >&2; exit 1; }
  export DISPLAY=":$n"
fi

probe() { "$wine_run" --prefix "$prefix" --timeout 30 "$probe_exe" "$@" 2>/dev/null | tr -d '\r'; }
clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
# Waits until the clipboard holds $1 (up to 5 s); prints what it holds.
wait_clipboard() {
  local now=
  for _ in $(seq 1 50); do
    now=$(clipboard || true)
    [ "$now" == "$1" ] && break
    sleep 0.1
  done
  printf '%s' "$now"
}
# Clicks at the screen point of control $1: on the check square ("box") or on
# the letter text ("text").
click_box() {
  local l t r b x y
  read -r l t r b < <(probe rect "$1") || { fail "no rectangle for control $1"; return; }
  y=$(((t + b) / 2))
  if [ "$2" == box ]; then x=$((l + 6)); else x=$((l + (r - l) * 2 / 3)); fi
  xdotool mousemove "$x" "$y" click 1
}

holder=
runner=
cleanup() {
  [ -n "$holder" ] && kill "$holder" 2>/dev/null
  [ -n "$runner" ] && kill "$runner" 2>/dev/null
  return 0
}
trap cleanup EXIT

# Something of the user's own on the clipboard, held by an X program.
printf 'held before' | xclip -selection clipboard -quiet -i >/dev/null 2>&1 &
holder=$!
sleep 0.3

# Arguments make no difference to the tool.
"$wine_run" --prefix "$prefix" --timeout 120 "$exe" 67108859 /hide C: &
runner=$!
win=
for _ in $(seq 1 100); do
  win=$(xdotool search --onlyvisible --name '^Veskel' 2>/dev/null | head -n 1 || true)
  [ -n "$win" ] && break
  sleep 0.2
done
[ -n "$win" ] || { echo "FAIL: the Veskel window did not appear" >&2; exit 1; }
sleep 0.5

expect_eq "clipboard at opening" "held before" "$(clipboard)"
expect_eq "decimal field at opening" "" "$(probe text 1027)"
expect_eq "hex field at opening" "" "$(probe text 1030)"

click_box 1002 box  # C:
expect_eq "clipboard after ticking C:" 67108859 "$(wait_clipboard 67108859)"
expect_eq "decimal field" 67108859 "$(probe text 1027)"
expect_eq "hex field" 3fffffb "$(probe text 1030)"

click_box 1003 text  # D:, on its letter
expect_eq "clipboard after ticking D: by its letter" 67108851 "$(wait_clipboard 67108851)"
expect_eq "D: ticked" 1 "$(probe check 1003)"
expect_eq "hex field" 3fffff3 "$(probe text 1030)"

click_box 1002 box  # C: again
expect_eq "clipboard after unticking C:" 67108855 "$(wait_clipboard 67108855)"
expect_eq "hex field" 3fffff7 "$(probe text 1030)"

click_box 1028 box  # Z:
expect_eq "clipboard after ticking Z:" 33554423 "$(wait_clipboard 33554423)"
expect_eq "hex field" 1fffff7 "$(probe text 1030)"

# Esc ends the tool.
xdotool key Escape
ended=
for _ in $(seq 1 50); do
  if ! kill -0 "$runner" 2>/dev/null; then ended=1; break; fi
  sleep 0.2
done
if [ -n "$ended" ]; then
  wait "$runner"
  expect_eq "exit code" 0 "$?"
  runner=
else
  fail "Esc did not end the tool"
fi
expect_eq "Veskel windows left" 0 "$(probe count)"
# What the tool put on the clipboard stays there for pasting.
expect_eq "clipboard after closing" 33554423 "$(clipboard)"

[ $failures -eq 0 ] && echo "end to end: all checks passed"
exit $((failures > 0))
