#!/usr/bin/env bash
# Builds the source package of this work tree as Debian's builders do, for one release: in a
# clean chroot made by `mmdebstrap --variant=buildd` that holds only the declared Build-Depends,
# as an unprivileged user with no display, `dpkg-buildpackage -us -uc` with its tests and no
# warning from the compiler or the packaging tools; then that release's `lintian --pedantic` on
# the .changes, which fails on any error or warning.
# What the build made, its log and lintian's output land in build-chroot/RELEASE/.
#
# The chroot with the build dependencies is kept as a tarball in $GLIMMERJIG_CHROOT_CACHE
# (default ~/.cache/glimmerjig-chroots) and made anew when it is a day old or when the
# Build-Depends change; nothing a build made is kept there.
# Usage: chroot_build.sh RELEASE [--prepare]   (--prepare: make the cached chroot only)
# Runs mmdebstrap, unshare and chroot as root (sudo when not).
set -euo pipefail
cd "$(dirname "$0")/../.."
release=${1:?usage: chroot_build.sh RELEASE [--prepare]}
prepare_only=${2:-}

as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi

cache=${GLIMMERJIG_CHROOT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/glimmerjig-chroots}
mkdir -p "$cache"
build_depends=$(awk '/^Build-Depends:/ {on = 1; print; next} on && /^[ \t]/ {print; next} {on = 0}' debian/control)
key=$(printf '%s\n%s\n' "$release" "$build_depends" | sha256sum | cut -c1-16)
tarball=$cache/$release-$key.tar

builder_uid=2000
if [ ! -s "$tarball" ] || [ -n "$(find "$tarball" -mmin +1440)" ]; then
  echo "== Make the $release build chroot ($tarball)"
  deps=$(mktemp -d)
  mkdir "$deps/debian"
  cp debian/control debian/changelog "$deps/debian/"
  # An unstable mirror's Release file may be past its Valid-Until date; its signature is still
  # checked. apt's lists stay in the tarball, so that lintian can be installed after the build.
  if ! "${as_root[@]}" mmdebstrap --variant=buildd --format=tar \
    --aptopt='Acquire::Check-Valid-Until "false"' \
    --skip=cleanup/apt/lists \
    --customize-hook='mkdir -p "$1/tmp/deps"' \
    --customize-hook="copy-in $deps/debian /tmp/deps" \
    --chrooted-customize-hook='apt-get build-dep -y -q /tmp/deps' \
    --customize-hook='rm -rf "$1/tmp/deps"' \
    --customize-hook="echo 'builder:x:$builder_uid:$builder_uid::/build:/bin/sh' >>\"\$1/etc/passwd\"" \
    --customize-hook="echo 'builder:x:$builder_uid:' >>\"\$1/etc/group\"" \
    "$release" "$tarball.new" >"$cache/$release.log" 2>&1; then
    tail -n 40 "$cache/$release.log" >&2
    echo "chroot build: mmdebstrap failed for $release (log: $cache/$release.log)" >&2
    exit 1
  fi
  rm -rf "$deps"
  "${as_root[@]}" mv "$tarball.new" "$tarball"
  find "$cache" -name "$release-*.tar" ! -name "$(basename "$tarball")" -exec "${as_root[@]}" rm -f {} +
fi
[ "$prepare_only" = --prepare ] && exit 0

out=$PWD/build-chroot/$release
rm -rf "$out"
mkdir -p "$out"
# On disk: Debian 13 keeps /tmp in memory, and without device nodes.
root=$(mktemp -d -p /var/tmp)
trap '"${as_root[@]}" rm -rf --one-file-system "$root"' EXIT
"${as_root[@]}" tar -xf "$tarball" -C "$root"

tree=$(bash scripts/package.sh --unpack-only)
"${as_root[@]}" mkdir -p "$root/build"
"${as_root[@]}" cp -a "$tree" "$(dirname "$tree")"/*.orig.tar.* "$root/build/"
"${as_root[@]}" chown -R "$builder_uid:$builder_uid" "$root/build"

# Runs a command in the chroot, as the user given, with /proc and /dev mounted in a mount
# namespace of its own and taken away again when it ends. Where "/" is no mount point (this
# script run inside a chroot itself) its propagation cannot be made private; the mounts stay
# those of the surrounding one, and /dev is a slave of the system's, so that its unmounting
# leaves the system's /dev alone.
in_chroot() {
  local user=$1; shift
  local propagation=unchanged
  if mountpoint -q /; then propagation=private; fi
  "${as_root[@]}" unshare --mount --propagation "$propagation" --fork sh -c '
    mount -t proc proc "$0/proc" && mount --rbind /dev "$0/dev" && mount --make-rslave "$0/dev" || exit 1
    "$@"
    status=$?
    umount -R "$0/dev"
    umount "$0/proc"
    exit "$status"' "$root" \
    chroot --userspec="$user" "$root" \
    env -i HOME=/build PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"
}

echo "== dpkg-buildpackage -us -uc in a clean $release chroot"
if ! in_chroot "$builder_uid:$builder_uid" sh -c \
    "cd /build/$(basename "$tree") && dpkg-buildpackage -us -uc -j$(nproc)" >"$out/build.log" 2>&1; then
  tail -n 80 "$out/build.log" >&2
  echo "chroot build: dpkg-buildpackage failed on $release (log: $out/build.log)" >&2
  exit 1
fi
grep -E '^dpkg-buildpackage: info: (source|host architecture)|tests passed|^dpkg-deb: building' "$out/build.log"
# That release's compiler and tools build it without a warning.
if ! bash tests/package/build_warnings.sh "$out/build.log" >&2; then
  echo "chroot build: warnings on $release (log: $out/build.log)" >&2
  exit 1
fi
cp "$root"/build/*.changes "$root"/build/*.dsc "$root"/build/*.deb "$root"/build/*.buildinfo \
  "$root"/build/*.tar.* "$out/"
echo "== Files of the .changes"
sed -n '/^Files:/,/^[^ F]/p' "$out"/*.changes | grep '^ '

echo "== lintian --pedantic of $release (fails on any error or warning)"
in_chroot 0:0 apt-get install -y -q --no-install-recommends lintian >"$out/lintian-install.log" 2>&1 ||
  { tail -n 20 "$out/lintian-install.log" >&2; exit 1; }
in_chroot 0:0 lintian --version
set +e
in_chroot "$builder_uid:$builder_uid" sh -c \
  'lintian --pedantic --display-info --fail-on error,warning /build/*.changes' >"$out/lintian.log" 2>&1
status=$?
set -e
cat "$out/lintian.log"
exit "$status"
