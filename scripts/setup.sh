#!/usr/bin/env bash
# Installs the Debian packages a task needs, skipping those already present; safe to run again.
# Usage: setup.sh play|test
#   play  what building and playing the game needs (play.sh)
#   test  that and everything the tests, the fuzz targets and the package checks need
#         (test.sh, package.sh; git for the package checks' clones)
set -euo pipefail

PLAY_PACKAGES=(
  build-essential cmake pkgconf
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-wayland
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libsdl2-dev
  fonts-liberation xdg-utils
)
TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev qt6-svg-dev
  fonts-dejavu-core
  clang libclang-rt-dev
  xvfb xauth xdotool imagemagick x11-utils x11-xserver-utils
  xfwm4 openbox
  weston sway grim wtype xwayland
  dbus at-spi2-core python3-pyatspi
  pipewire pipewire-bin wireplumber pipewire-pulse pulseaudio pulseaudio-utils
  locales
  git dpkg-dev debhelper file lintian desktop-file-utils appstream diffoscope-minimal autopkgtest
  mmdebstrap
)

# GNOME's and Plasma's compositors, as Debian 13 players run them, for trying the game under
# them in the Debian 13 chroot (by hand so far: no test starts them yet).
NEWER_TEST_PACKAGES=(mutter kwin-wayland kwin-style-breeze)

case "${1:-}" in
  play) wanted=("${PLAY_PACKAGES[@]}") ;;
  test)
    wanted=("${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}")
    if [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" != bookworm ]; then
      wanted+=("${NEWER_TEST_PACKAGES[@]}")
    fi
    ;;
  *) echo "usage: $0 play|test" >&2; exit 2 ;;
esac

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for pkg in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests run the game in each language it speaks, under that language's locale.
if [ "$1" = test ]; then
  wanted_locales=(de_DE.UTF-8 fr_FR.UTF-8 es_ES.UTF-8)
  absent_locales=()
  for name in "${wanted_locales[@]}"; do
    if ! locale -a | grep -qix "${name/UTF-8/utf8}"; then
      absent_locales+=("$name")
    fi
  done
  if ((${#absent_locales[@]})); then
    echo "Generating locales: ${absent_locales[*]}"
    for name in "${absent_locales[@]}"; do
      if ! grep -q "^${name} UTF-8" /etc/locale.gen; then
        echo "${name} UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
      fi
    done
    "${sudo_cmd[@]}" locale-gen
  fi
fi
