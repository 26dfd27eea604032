#!/usr/bin/env bash
# Installs what is missing, builds, runs every test, builds and checks the Debian packages
# (installs them, runs their autopkgtest and purges them), builds the source package in clean
# Debian 13 and unstable chroots with that release's lintian, builds and runs the whole suite again
# with AddressSanitizer and UndefinedBehaviorSanitizer, then runs each fuzz target for a minute.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh test

jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON "$@"
  cmake --build "$dir" -j"$jobs"
  ctest --test-dir "$dir" --output-on-failure -j"$jobs"
}

# The clean chroots for the builds on Debian 13 and unstable are made (or found in the cache)
# while this machine builds and tests; mostly downloading and unpacking, little CPU.
chroot_releases=(trixie sid)
prepare_chroots() {
  local release
  for release in "${chroot_releases[@]}"; do
    bash tests/package/chroot_build.sh "$release" --prepare || return 1
  done
}
prepare_chroots >build-chroots-prepare.log 2>&1 &
chroots_pid=$!

echo "== Build and test"
run_suite build

echo "== Debian packages: build twice, check, install, autopkgtest, purge"
bash tests/package/package_test.sh

echo "== The source package built as Debian's builders do, on Debian 13 and unstable"
if ! wait "$chroots_pid"; then
  cat build-chroots-prepare.log >&2
  exit 1
fi
for release in "${chroot_releases[@]}"; do
  bash tests/package/chroot_build.sh "$release"
done

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
run_suite build-asan -DGLIMMERJIG_SANITIZE=ON

echo "== Fuzz targets, a minute each"
bash tests/fuzz/run_fuzz.sh 60
