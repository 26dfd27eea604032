#!/usr/bin/env bash
# Builds the Debian package from the project's own install rules, in its own build folder
# (build-pkg: release build, prefix /usr, no tests), with Debian's hardening flags. Prints the
# path of the package.
#
# A clean build of one commit gives the same bytes wherever and whenever it runs: every time
# in the package and in the compiled-in resources is SOURCE_DATE_EPOCH (the last commit's time,
# or the changelog's top entry outside a git work tree, unless the caller sets it), compilers
# map this folder to "." so no build path reaches the binary, and CPack writes the files sorted
# and owned by root. Folders CPack makes, and the archive's members, take their modes from the
# umask: it is fixed here, as dpkg-buildpackage fixes it.
set -euo pipefail
cd "$(dirname "$0")/.."
umask 022

bash scripts/setup.sh test

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  if [ -e .git ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
  else
    SOURCE_DATE_EPOCH=$(date -d "$(sed -n '/^ -- /{s/^ -- .*>  //p;q}' packaging/changelog)" +%s)
  fi
fi
export SOURCE_DATE_EPOCH

export DEB_BUILD_MAINT_OPTIONS="hardening=+all reproducible=+all"
# Given on every run, so that a changed flag reaches a build folder configured before.
cmake -S . -B build-pkg -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DBUILD_TESTING=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build build-pkg -j"$(nproc)" --target glimmerjig documents
(cd build-pkg && cpack -G DEB >/dev/null)
ls "$PWD"/build-pkg/glimmerjig_*.deb
