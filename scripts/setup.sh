#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, skipping those already
# present. Sourced or run by play.sh and test.sh; safe to run again.
set -euo pipefail

GLIMMERJIG_PACKAGES=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-wayland
  libsdl2-dev
  fonts-liberation xdg-utils
  xvfb xauth xdotool imagemagick
  weston
  dbus at-spi2-core python3-pyatspi
  dpkg-dev fakeroot file lintian desktop-file-utils appstream
)

missing=()
for pkg in "${GLIMMERJIG_PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
