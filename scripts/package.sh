#!/usr/bin/env bash
# Builds the Debian package from the project's own install rules, in its own build folder
# (build-pkg: release build, prefix /usr, no tests), with Debian's hardening flags. Prints the
# path of the package.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Given on every run, so that a changed flag reaches a build folder configured before.
cmake -S . -B build-pkg -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DBUILD_TESTING=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build build-pkg -j"$(nproc)" --target glimmerjig documents
(cd build-pkg && cpack -G DEB >/dev/null)
ls "$PWD"/build-pkg/glimmerjig_*.deb
