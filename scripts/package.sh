#!/usr/bin/env bash
# Builds the Debian source and binary packages with dpkg-buildpackage, from the tracked files of
# this work tree (uncommitted changes included, untracked files not), in build-pkg/: the orig
# tarball, the .dsc, the .changes, the game's .deb and its -dbgsym package. Prints the path of
# the game's .deb. Extra arguments go to dpkg-buildpackage; DEB_BUILD_OPTIONS=nocheck skips the
# tests. With --unpack-only as its only argument it stops before building, having made the orig
# tarball and the unpacked source tree beside it, and prints the tree's path (for a build
# elsewhere, such as a clean chroot).
#
# The orig tarball is `git archive` of the work tree, without debian/, as a commit dated like
# HEAD, so that the same sources give the same tarball; debian/ comes beside it as the Debian
# part of the source package. Every time in the package is SOURCE_DATE_EPOCH, which
# dpkg-buildpackage takes from the changelog's top entry; debhelper builds outside any
# absolute path that reaches the game (dpkg-buildflags map the source folder to ".").
set -euo pipefail
cd "$(dirname "$0")/.."
umask 022

bash scripts/setup.sh test >&2

if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "package.sh: not a git work tree; run dpkg-buildpackage in an unpacked source instead" >&2
  exit 1
fi
version=$(dpkg-parsechangelog -S Version)
upstream=${version#*:}
upstream=${upstream%-*}
arch=$(dpkg-architecture -q DEB_HOST_ARCH)

rm -rf build-pkg
mkdir build-pkg
date=$(git log -1 --format=%cI)
snapshot=$(GIT_AUTHOR_DATE=$date GIT_COMMITTER_DATE=$date git stash create)
git archive --format=tar --prefix="glimmerjig-$upstream/" "${snapshot:-HEAD}" -- . ':!debian' |
  xz -6 -T1 >"build-pkg/glimmerjig_$upstream.orig.tar.xz"
tar -xf "build-pkg/glimmerjig_$upstream.orig.tar.xz" -C build-pkg
git archive --format=tar --prefix="glimmerjig-$upstream/" "${snapshot:-HEAD}" debian | tar -xf - -C build-pkg
if [ "${1:-}" = --unpack-only ]; then
  echo "$PWD/build-pkg/glimmerjig-$upstream"
  exit 0
fi
(cd "build-pkg/glimmerjig-$upstream" && dpkg-buildpackage -us -uc -j"$(nproc)" "$@") >&2
ls "$PWD/build-pkg/glimmerjig_${version#*:}_$arch.deb"
