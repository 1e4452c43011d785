#!/bin/sh
# The WebAssembly core's budgets, measured (never asserted by a test): the size of
# sylvandra-script.wasm, plain and gzipped, and the processor time (user + system) of every
# golden session through the native driver and through the Node driver, run one after the other.
#   scripts/web-budgets.sh [BUILD_DIR [WEB_DIR]]      (defaults: build and build/web)
set -eu
export QT_QPA_PLATFORM=offscreen
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
web="${2:-$build/web}"
wasm="$web/sylvandra-script.wasm"
echo "sylvandra-script.wasm: $(wc -c <"$wasm") bytes, $(gzip -9 -c "$wasm" | wc -c) gzipped"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
cpu() { # processor seconds of one command, its output discarded
  /usr/bin/time -f "%U %S" -o "$work/time" "$@" >/dev/null 2>&1 || true
  awk '{ printf "%.2f", $1 + $2 }' "$work/time"
}
native_total=0
node_total=0
printf "%-32s %8s %8s %6s\n" session native node ratio
for script in "$root"/tests/golden/*.script; do
  name="$(basename "$script" .script)"
  native="$(cpu "$build/sylvandra-script" "$script")"
  node="$(cpu node "$web/sylvandra-script.js" "$script")"
  printf "%-32s %8s %8s %6s\n" "$name" "$native" "$node" \
    "$(awk -v a="$node" -v b="$native" 'BEGIN { if (b > 0) printf "%.1f", a / b; else print "-" }')"
  native_total="$(awk -v a="$native_total" -v b="$native" 'BEGIN { print a + b }')"
  node_total="$(awk -v a="$node_total" -v b="$node" 'BEGIN { print a + b }')"
done
printf "%-32s %8s %8s %6s\n" all "$native_total" "$node_total" \
  "$(awk -v a="$node_total" -v b="$native_total" 'BEGIN { printf "%.2f", a / b }')"
