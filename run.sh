#!/bin/sh
# Sets up, builds and starts the program; --web builds the browser version and serves it.
set -eu
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/setup.sh"
if [ "${1:-}" = "--web" ]; then
  # The browser version: the static site the WebAssembly build wrote, served on this machine.
  site="$root/build/web/site"
  if [ ! -f "$site/index.html" ]; then
    echo "run.sh: no site in $site: the WebAssembly build needs emscripten (scripts/setup.sh)"
    exit 1
  fi
  port="${SYLVANDRA_PORT:-8080}"
  echo "The exercises in a browser: http://127.0.0.1:$port/  (Ctrl+C stops the server)"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
fi
exec "$root/build/sylvandra" "$@"
