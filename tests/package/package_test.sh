#!/usr/bin/env bash
# The Debian packages as a distribution and a player's system meet them: built with
# dpkg-buildpackage twice, from two clones of this commit at different paths and times, the
# second with another umask and without the tests (which must not change the game); the game's
# .deb byte-identical (else diffoscope shows what differs); the source and binary packages
# checked by lintian --pedantic (no error, no warning; info and pedantic notes are shown) and
# the desktop entry and AppStream metadata by their validators; installed with apt-get so that
# its dependencies resolve; the installed package's own tests run by autopkgtest on the null
# runner (its start board read from a screenshot under Xvfb, its --version); then purged,
# leaving none of its files behind.
# Uncommitted changes to tracked files are applied to both clones; untracked files are not.
# Usage: package_test.sh
# Installs and removes a system package: runs apt-get and autopkgtest as root (sudo when not).
set -euo pipefail
cd "$(dirname "$0")/../.."

as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
apt_get=("${as_root[@]}" apt-get -y -q -o DPkg::Lock::Timeout=600)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# apt-get reads the package as its own unprivileged user.
chmod 755 "$work"
commit=$(git rev-parse HEAD)
# Clones and builds one copy of the sources at the path given; prints the game's .deb's path.
# The build's log goes to <path>.log; its summary (and, when it fails, its end) to stderr.
build_clone() {
  git clone -q "$PWD" "$1" &&
    git -C "$1" checkout -q --detach "$commit" &&
    git diff --binary HEAD | git -C "$1" apply --allow-empty || return 1
  if ! bash "$1/scripts/package.sh" >"$1.out" 2>"$1.log"; then
    tail -n 60 "$1.log" >&2
    return 1
  fi
  grep -E '^(dpkg-buildpackage: info: source version|dpkg-source: info: building|dpkg-deb: building)|tests passed' "$1.log" >&2
  tail -n 1 "$1.out"
}

echo "== Build the packages twice from $commit"
deb=$(build_clone "$work/one/glimmerjig")
other=$( (umask 077 && export DEB_BUILD_OPTIONS=nocheck && build_clone "$work/second/clone/of/glimmerjig-again") )
sha256sum "$deb" "$other"
if ! cmp -s "$deb" "$other"; then
  echo "package test: two builds of the same sources differ" >&2
  diffoscope "$deb" "$other" >&2 || true
  exit 1
fi
out=$(dirname "$deb")
ls -l "$out"/glimmerjig*_*

echo "== lintian --pedantic on the source and binary packages (fails on any error or warning)"
lintian --pedantic --display-info --fail-on error,warning "$out"/glimmerjig_*.changes

echo "== Install"
"${apt_get[@]}" install "$deb"
mapfile -t files < <(dpkg -L glimmerjig)

echo "== Validate the installed desktop entry and AppStream metadata (pedantic notes listed)"
desktop-file-validate /usr/share/applications/io.glimmerjig.Glimmerjig.desktop
appstreamcli validate --no-net --pedantic /usr/share/metainfo/io.glimmerjig.Glimmerjig.metainfo.xml

echo "== autopkgtest of the installed package (null runner)"
if ! "${as_root[@]}" autopkgtest --quiet --log-file="$work/autopkgtest.log" \
    --summary-file="$work/autopkgtest.summary" "$out"/glimmerjig_*.dsc "$deb" -- null; then
  cat "$work/autopkgtest.log" "$work/autopkgtest.summary" >&2
  exit 1
fi
cat "$work/autopkgtest.summary"

echo "== Purge"
"${apt_get[@]}" purge glimmerjig
if dpkg-query -W -f='${Status}\n' glimmerjig 2>/dev/null | grep -qv '^unknown ok not-installed'; then
  echo "package test: glimmerjig is still known to dpkg" >&2
  exit 1
fi
left=0
for path in "${files[@]}"; do
  [ -e "$path" ] || continue
  # A folder may stay when it is not empty or another package owns it.
  if [ -d "$path" ] && { [ -n "$(ls -A "$path")" ] || dpkg -S "$path" >/dev/null 2>&1; }; then
    continue
  fi
  echo "package test: left behind: $path" >&2
  left=1
done
exit "$left"
