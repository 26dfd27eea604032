#!/usr/bin/env bash
# The Debian package as a player's system meets it: built twice, from two clones of this commit
# at different paths and times (the second with another umask), and byte-identical (else
# diffoscope shows what differs); checked by lintian (not even an info) and the desktop-entry and
# AppStream validators, installed with apt-get so that its dependencies resolve, started from
# /usr/games under Xvfb with its start board read from a screenshot by the end-to-end test
# program, then purged, leaving none of its files behind.
# Uncommitted changes to tracked files are applied to both clones; untracked files are not.
# Usage: package_test.sh [BUILD]   BUILD holds the built tests (default: build).
# Installs and removes a system package: runs apt-get as root (sudo when not root).
set -euo pipefail
cd "$(dirname "$0")/../.."

e2e=${1:-build}/tests/e2e/e2e_tests
if [ ! -x "$e2e" ]; then
  echo "package test: $e2e is missing; build the tests first" >&2
  exit 1
fi
as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
apt_get=("${as_root[@]}" apt-get -y -q -o DPkg::Lock::Timeout=300)

work=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$work" "$log"' EXIT
# apt-get reads the package as its own unprivileged user.
chmod 755 "$work"
commit=$(git rev-parse HEAD)
# Clones and builds one copy of the sources at the path given; prints the package's path.
build_clone() {
  git clone -q "$PWD" "$1" &&
    git -C "$1" checkout -q --detach "$commit" &&
    git diff --binary HEAD | git -C "$1" apply --allow-empty &&
    bash "$1/scripts/package.sh" | tail -n 1
}

echo "== Build the package twice from $commit"
deb=$(build_clone "$work/one/glimmerjig")
other=$( (umask 077 && build_clone "$work/second/clone/of/glimmerjig-again") )
sha256sum "$deb" "$other"
if ! cmp -s "$deb" "$other"; then
  echo "package test: two builds of the same sources differ" >&2
  diffoscope "$deb" "$other" >&2 || true
  exit 1
fi

echo "== lintian (fails on any error, warning or info)"
lintian --fail-on error,warning,info --display-info "$deb"

echo "== Install"
"${apt_get[@]}" install "$deb"
mapfile -t files < <(dpkg -L glimmerjig)

echo "== Validate the installed desktop entry and AppStream metadata (pedantic notes listed)"
desktop-file-validate /usr/share/applications/io.glimmerjig.Glimmerjig.desktop
appstreamcli validate --no-net --pedantic /usr/share/metainfo/io.glimmerjig.Glimmerjig.metainfo.xml

echo "== Start the installed game and read its start board"
/usr/games/glimmerjig --version
GLIMMERJIG_EXECUTABLE=/usr/games/glimmerjig SDL_AUDIODRIVER=dummy \
  xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
  "$e2e" --gtest_filter='PlayTest.StartBoardShowsYellowSmileysAndWhiteMirrorsAndEscQuits' | tee "$log"
grep -q '^\[  PASSED  \] 1 test\.' "$log"

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
