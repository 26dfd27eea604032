#!/usr/bin/env bash
# Installs the Debian packages a task needs, skipping those already present; safe to run again.
# Usage: setup.sh play|test
#   play  what building and playing the game needs (play.sh)
#   test  that and everything the tests, the fuzz targets and the package checks need
#         (test.sh, package.sh)
set -euo pipefail

PLAY_PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-wayland
  libsdl2-dev
  fonts-liberation xdg-utils
)
TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev qt6-svg-dev
  fonts-dejavu-core
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick x11-utils
  xfwm4 openbox
  weston
  dbus at-spi2-core python3-pyatspi
  dpkg-dev debhelper file lintian desktop-file-utils appstream diffoscope-minimal autopkgtest
)

case "${1:-}" in
  play) wanted=("${PLAY_PACKAGES[@]}") ;;
  test) wanted=("${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}") ;;
  *) echo "usage: $0 play|test" >&2; exit 2 ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
fi
