#!/bin/sh
# Sets up, builds and starts the program.
set -eu
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/setup.sh"
exec "$root/build/sylvandra" "$@"
