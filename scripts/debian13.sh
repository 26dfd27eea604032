#!/usr/bin/env bash
# Runs stages of the test command on Debian 13 (trixie) from another Debian machine, in a chroot
# made by `mmdebstrap --variant=important trixie` in which `scripts/setup.sh test` installed every
# package. A clean clone of HEAD (uncommitted changes to tracked files applied) lands in
# /src/glimmerjig inside, and `scripts/test.sh STAGE...` runs there as root, with /proc, /sys,
# /dev (/dev/pts with it), a /dev/shm and a /tmp of its own, and network and process namespaces of
# its own: its X servers choose display numbers without meeting the host's, it has no network,
# and whatever it leaves running ends with it.
#
# The chroot is kept as a tarball in $GLIMMERJIG_CHROOT_CACHE (default ~/.cache/glimmerjig-chroots)
# and made anew when it is a day old or when scripts/setup.sh changes; a run never writes to it.
# Usage: debian13.sh --prepare     (make the cached chroot only)
#        debian13.sh STAGE...      (see scripts/test.sh)
# Runs mmdebstrap, unshare and chroot as root (sudo when not).
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || { echo "usage: debian13.sh --prepare | STAGE..." >&2; exit 2; }

as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi

cache=${GLIMMERJIG_CHROOT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/glimmerjig-chroots}
mkdir -p "$cache"
key=$(sha256sum scripts/setup.sh | cut -c1-16)
tarball=$cache/debian13-test-$key.tar

if [ ! -s "$tarball" ] || [ -n "$(find "$tarball" -mmin +1440)" ]; then
  echo "== Make the Debian 13 test chroot ($tarball)"
  if ! "${as_root[@]}" mmdebstrap --variant=important --format=tar \
    --aptopt='Acquire::Check-Valid-Until "false"' \
    --skip=cleanup/apt/lists \
    --customize-hook='mkdir -p "$1/tmp/setup"' \
    --customize-hook='copy-in scripts/setup.sh /tmp/setup' \
    --chrooted-customize-hook='bash /tmp/setup/setup.sh test' \
    --customize-hook='rm -rf "$1/tmp/setup"' \
    trixie "$tarball.new" >"$cache/debian13-test.log" 2>&1; then
    tail -n 40 "$cache/debian13-test.log" >&2
    echo "debian13: mmdebstrap failed (log: $cache/debian13-test.log)" >&2
    exit 1
  fi
  "${as_root[@]}" mv "$tarball.new" "$tarball"
  find "$cache" -name 'debian13-test-*.tar' ! -name "$(basename "$tarball")" -exec "${as_root[@]}" rm -f {} +
fi
[ "$1" = --prepare ] && exit 0

# On disk: the builds are large, and Debian 13 keeps /tmp in memory.
root=$(mktemp -d -p /var/tmp glimmerjig-debian13.XXXXXX)
trap '"${as_root[@]}" rm -rf --one-file-system "$root"' EXIT
"${as_root[@]}" tar -xf "$tarball" -C "$root"
clone=$root/src/glimmerjig
"${as_root[@]}" git clone -q "$PWD" "$clone"
"${as_root[@]}" git -C "$clone" checkout -q --detach "$(git rev-parse HEAD)"
git diff --binary HEAD | "${as_root[@]}" git -C "$clone" apply --allow-empty

# Where "/" is no mount point (this script run inside a chroot itself) its propagation cannot be
# made private: the mounts are taken away by hand, and /dev is a slave of the system's, so that
# unmounting it leaves the system's /dev alone.
propagation=unchanged
if mountpoint -q /; then propagation=private; fi
"${as_root[@]}" unshare --mount --net --pid --propagation "$propagation" --fork sh -c '
  root=$0
  ip link set lo up &&
    mount -t proc proc "$root/proc" && mount -t sysfs sysfs "$root/sys" &&
    mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev" &&
    mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm" &&
    mount -t tmpfs -o mode=1777 tmpfs "$root/tmp" || exit 1
  chroot "$root" "$@"
  status=$?
  umount "$root/tmp"
  umount -R "$root/dev"
  umount "$root/sys"
  umount "$root/proc"
  exit "$status"' "$root" \
  env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 CI="${CI:-}" \
  bash -c 'cd /src/glimmerjig && exec bash scripts/test.sh "$@"' test.sh "$@"
