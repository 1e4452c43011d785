#!/bin/sh
# Writes what a golden session prints as its expected output, after you have read it:
#   scripts/approve-golden.sh NAME    (runs tests/golden/NAME.script, shows the diff, saves it)
# Build first (./test.sh or cmake --build build).
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
name="${1:?usage: scripts/approve-golden.sh NAME}"
script="$root/tests/golden/$name.script"
expected="$root/tests/golden/$name.expected"
[ -f "$script" ] || { echo "no such session: $script" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
actual="$work/$name.actual"
# Files a session writes (png) land in a scratch folder, as under CTest.
(cd "$work" && QT_QPA_PLATFORM=offscreen "$root/build/sylvandra-script" "$script") >"$actual"
if [ -f "$expected" ]; then diff -u "$expected" "$actual" || true; else cat "$actual"; fi
cp "$actual" "$expected"
echo "approved: $expected"
