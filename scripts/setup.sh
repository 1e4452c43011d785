#!/bin/sh
# Installs what a fresh Debian 12 machine lacks to build and run the program, then configures
# and builds it in ./build. Run as root it installs missing packages itself; otherwise it prints
# the one apt-get line to run and stops.
set -eu

PACKAGES="g++ cmake ninja-build pkg-config qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev \
fonts-dejavu-core fonts-liberation desktop-file-utils appstream dpkg-dev xvfb libx11-dev \
libxtst-dev poppler-utils dbus-daemon at-spi2-core python3-pyatspi emscripten node-acorn woff2 chromium"
# Node.js and npm: Debian's, unless a Node.js from elsewhere (which brings its own npm, and
# conflicts with Debian's npm package) is already installed.
if ! command -v node >/dev/null 2>&1; then PACKAGES="$PACKAGES nodejs"; fi
if ! command -v npm >/dev/null 2>&1; then PACKAGES="$PACKAGES npm"; fi

missing=""
for package in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing="$missing $package"
  fi
done

if [ -n "$missing" ]; then
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing
  else
    echo "Missing packages:$missing"
    echo "Run as root:"
    echo "  apt-get install -y$missing"
    exit 1
  fi
fi

root="$(cd "$(dirname "$0")/.." && pwd)"
# The browser tests drive Debian's chromium with the pinned npm packages of tests/browser (no
# browser is downloaded).
if [ ! -d "$root/tests/browser/node_modules/puppeteer-core" ]; then
  PUPPETEER_SKIP_DOWNLOAD=1 npm ci --prefix "$root/tests/browser" --no-audit --no-fund >/dev/null
fi
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build"
