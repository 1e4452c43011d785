#!/bin/sh
# Start-up of the desktop program against a bare Qt window that paints one widget, side by
# side on one Xvfb screen: each is started RUNS times in turn (default 11) under /usr/bin/time
# -v and quits at its first paint. Prints the median first paint (ms after process start) and
# the median peak memory (maximum resident set size, MiB) of each, and their ratios.
#
#   scripts/startup-bench.sh [BUILD_DIR] [RUNS]
#
# The screen (SCREEN, default 1024x768x24) shows the program at its designed size, so that the
# main menu and the bare window are the same 688 x 480 pixels; a larger screen zooms the
# program's window and its pixels with it.
set -eu
build=${1:-build}
runs=${2:-11}
program=$build/sylvandra
bare=$build/tests/sylvandra_bare_window
for file in "$program" "$bare" /usr/bin/time; do
  [ -x "$file" ] || { echo "startup-bench: $file is missing (build the sylvandra and sylvandra_bare_window targets; apt-get install time)" >&2; exit 2; }
done
command -v Xvfb >/dev/null || { echo "startup-bench: Xvfb is missing (apt-get install xvfb)" >&2; exit 2; }

work=$(mktemp -d)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 "${SCREEN:-1024x768x24}" -nolisten tcp 2>/dev/null &
server=$!
trap 'kill $server 2>/dev/null; rm -rf "$work"' EXIT
while [ ! -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
# Settings of the benchmark's own, so that a zoom kept by a person plays no part.
export XDG_CONFIG_HOME="$work/config"

# One start: "<first paint ms> <peak KiB>".
measure() {
  SYLVANDRA_STARTUP_PROBE=1 /usr/bin/time -v "$1" 2>"$work/out" >/dev/null || true
  paint=$(sed -n 's/^first paint \([0-9]*\) ms.*/\1/p' "$work/out")
  peak=$(sed -n 's/.*Maximum resident set size (kbytes): *//p' "$work/out")
  [ -n "$paint" ] && [ -n "$peak" ] || { echo "startup-bench: $1 did not report a first paint" >&2; cat "$work/out" >&2; exit 1; }
  echo "$paint $peak"
}

i=0
while [ "$i" -lt "$runs" ]; do
  measure "$program" >>"$work/program"
  measure "$bare" >>"$work/bare"
  i=$((i + 1))
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
programPaint=$(cut -d' ' -f1 "$work/program" | median)
programPeak=$(cut -d' ' -f2 "$work/program" | median)
barePaint=$(cut -d' ' -f1 "$work/bare" | median)
barePeak=$(cut -d' ' -f2 "$work/bare" | median)
awk -v runs="$runs" -v pp="$programPaint" -v bp="$barePaint" -v pm="$programPeak" -v bm="$barePeak" 'BEGIN {
  printf "medians of %d starts each     program      bare    ratio\n", runs
  printf "first paint (ms)            %9.0f %9.0f %8.2f\n", pp, bp, pp / bp
  printf "peak memory (MiB)           %9.1f %9.1f %8.2f\n", pm / 1024, bm / 1024, pm / bm
}'
