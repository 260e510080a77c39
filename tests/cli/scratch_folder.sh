# Sourced by the program tests that make their files as they go: a scratch
# folder, removed on exit and made the current one (relative paths mean the
# same to the native and the Windows builds), and fail, which records a
# failure in status and lets the test go on.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

status=0
fail() {
  echo "FAIL: $*" >&2
  status=1
}
