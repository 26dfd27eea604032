#!/usr/bin/env bash
# Installs what is missing for playing (not for the tests), builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)" --target glimmerjig

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Glimmerjig needs a graphical desktop: neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
  exit 1
fi
exec build/src/shell/glimmerjig
