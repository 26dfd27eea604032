#!/usr/bin/env bash
# Installs what is missing, then runs the stages of the test command; without arguments, all of
# them on this machine:
#   suite          builds and runs every test
#   packages       builds and checks the Debian packages (installs them, runs their autopkgtest
#                  and purges them)
#   clean-builds   builds the source package in clean Debian 13 and unstable chroots, with that
#                  release's lintian
#   sanitizers     builds and runs the whole suite again with AddressSanitizer and
#                  UndefinedBehaviorSanitizer
#   fuzz           runs each fuzz target for a minute
# A stage named debian13-STAGE runs STAGE in a Debian 13 chroot instead (scripts/debian13.sh),
# after the stages on this machine. Outside a git clone the stages that need one are skipped,
# each with a line that says so. Prints each stage's time; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

all_stages=(suite packages clean-builds sanitizers fuzz)
if [ $# -eq 0 ]; then set -- "${all_stages[@]}"; fi
here=() debian13=()
for stage in "$@"; do
  name=${stage#debian13-}
  if [[ " ${all_stages[*]} " != *" $name "* ]]; then
    echo "usage: test.sh [[debian13-]STAGE...], STAGE one of: ${all_stages[*]}" >&2
    exit 2
  fi
  if [ "$name" = "$stage" ]; then here+=("$stage"); else debian13+=("$name"); fi
done
wanted() { [[ " ${here[*]} " == *" $1 "* ]]; }

bash scripts/setup.sh test

clone=no
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$PWD" ]; then clone=yes; fi
# Runs a stage that needs a git clone, or says in one line that it is skipped.
skipped=0
needs_clone() {
  [ "$clone" = yes ] && return 0
  echo "== $1: skipped, it needs a git clone and $PWD is none"
  skipped=$((skipped + 1))
  return 1
}
stage_start=$SECONDS
stage() {
  echo "== $1"
  stage_start=$SECONDS
}
stage_done() {
  local took=$((SECONDS - stage_start))
  printf -- '-- %s took %d min %02d s\n' "$1" $((took / 60)) $((took % 60))
}

jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON "$@"
  cmake --build "$dir" -j"$jobs"
  ctest --test-dir "$dir" --output-on-failure -j"$jobs"
}

# The clean chroots (for the package builds, and the Debian 13 one) are made or found in the
# cache while this machine builds and tests: mostly downloading and unpacking, little CPU.
chroot_releases=(trixie sid)
prepare_chroots() {
  local release
  if wanted clean-builds; then
    for release in "${chroot_releases[@]}"; do
      bash tests/package/chroot_build.sh "$release" --prepare || return 1
    done
  fi
  if ((${#debian13[@]})); then
    bash scripts/debian13.sh --prepare || return 1
  fi
}
chroots_pid=
if [ "$clone" = yes ] && { wanted clean-builds || ((${#debian13[@]})); }; then
  prepare_chroots >build-chroots-prepare.log 2>&1 &
  chroots_pid=$!
fi
wait_chroots() {
  [ -n "$chroots_pid" ] || return 0
  if ! wait "$chroots_pid"; then
    cat build-chroots-prepare.log >&2
    exit 1
  fi
  chroots_pid=
}

if wanted suite; then
  stage "Build and test"
  run_suite build
  stage_done suite
fi

if wanted packages && needs_clone "Debian packages"; then
  stage "Debian packages: build twice, check, install, autopkgtest, purge"
  bash tests/package/package_test.sh
  stage_done packages
fi

if wanted clean-builds && needs_clone "Clean package builds"; then
  stage "The source package built as Debian's builders do, on Debian 13 and unstable"
  wait_chroots
  for release in "${chroot_releases[@]}"; do
    bash tests/package/chroot_build.sh "$release"
  done
  stage_done clean-builds
fi

if wanted sanitizers; then
  stage "Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
  # LeakSanitizer's suppressions are built into every program of this build.
  (
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    run_suite build-asan -DGLIMMERJIG_SANITIZE=ON
  )
  stage_done sanitizers
fi

if wanted fuzz; then
  stage "Fuzz targets, a minute each"
  bash tests/fuzz/run_fuzz.sh 60
  stage_done fuzz
fi

if ((${#debian13[@]})) && needs_clone "Debian 13 stages (${debian13[*]})"; then
  stage "In a Debian 13 chroot: ${debian13[*]}"
  wait_chroots
  bash scripts/debian13.sh "${debian13[@]}"
  stage_done "Debian 13 chroot"
fi
took="$((SECONDS / 60)) min $((SECONDS % 60)) s"
if ((skipped)); then
  echo "== Every stage that ran passed in $took; $skipped skipped for want of a git clone"
else
  echo "== Every stage passed in $took"
fi
