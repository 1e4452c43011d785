#!/bin/sh
# Sets up, builds and runs every test (unit tests and golden script sessions) through CTest.
set -eu
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/setup.sh"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build" --output-on-failure "$@"
