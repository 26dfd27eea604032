#!/usr/bin/env bash
# The test command never reports a failure as success, and runs the stages that need a git
# clone only at a clone's top. scripts/test.sh and scripts/debian13.sh run for real, each in a
# tree of its own; what they start (CMake, CTest, the package and fuzz scripts, the chroot's
# tools) is faked and logs its call.
# Usage: test_command_test.sh SOURCE_DIR WORK_DIR failing-tests|clone-top|debian13-status
set -uo pipefail
SANDBOX_SOURCE=$1 SANDBOX_WORK=$2 behaviour=$3
rm -rf "$SANDBOX_WORK" && mkdir -p "$SANDBOX_WORK" || exit 1
SANDBOX_WORK=$(cd "$SANDBOX_WORK" && pwd -P)
source "$SANDBOX_SOURCE/tests/support/script_sandbox.sh"

failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

# A tree with the real test command; the scripts it starts are stubs.
command_tree() {
  sandbox_tree "$1" scripts/test.sh
  local stub
  for stub in scripts/setup.sh scripts/debian13.sh tests/package/package_test.sh \
    tests/package/chroot_build.sh tests/fuzz/run_fuzz.sh; do
    stub_script "$1" "$stub"
  done
}

commit_all() {
  git -C "$1" add -A && git -C "$1" -c user.name=test -c user.email=test@example.org commit -qm tree
}

# A stage that builds and runs the suite passes exactly when CTest does.
failing_tests() {
  command_tree "$SANDBOX_WORK/tree"
  fake_tool cmake 'exit 0'
  fake_tool ctest 'log_call ctest "$@"; exit "$CTEST_STATUS"'
  local row stage status expected result
  for row in "suite 0 pass" "suite 8 fail" "sanitizers 0 pass" "sanitizers 8 fail"; do
    read -r stage status expected <<<"$row"
    : >"$SANDBOX_LOG"
    CTEST_STATUS=$status bash "$SANDBOX_WORK/tree/scripts/test.sh" "$stage" >"$SANDBOX_WORK/out.log" 2>&1
    result=$([ $? -eq 0 ] && echo pass || echo fail)
    logged ctest || fail "$stage: CTest never ran"
    [ "$result" = "$expected" ] || fail "$stage with CTest's status $status: the command should $expected, it did not"
  done
}

# The stages that need a clone run at a clone's top, and are skipped, each with a line, in a
# tree that is only inside a git work tree (an unpacked tarball).
clone_top() {
  local clone=$SANDBOX_WORK/clone row place runs where out
  command_tree "$clone"
  git init -q "$clone" && commit_all "$clone" || { fail "no git clone"; return; }
  command_tree "$clone/unpacked"
  for row in "$clone yes" "$clone/unpacked no"; do
    read -r place runs <<<"$row"
    : >"$SANDBOX_LOG"
    if ! out=$(bash "$place/scripts/test.sh" packages clean-builds debian13-suite 2>&1); then
      fail "$place: the command failed: $out"
      continue
    fi
    for where in "package_test.sh" "chroot_build.sh trixie" "debian13.sh suite"; do
      if [ "$runs" = yes ] && ! logged "$where"; then fail "$place: $where did not run"; fi
      if [ "$runs" = no ] && logged "$where"; then fail "$place: $where ran outside a clone's top"; fi
    done
    if [ "$runs" = no ] && [ "$(grep -c 'skipped, it needs a git clone' <<<"$out")" -ne 3 ]; then
      fail "$place: not three lines for the stages skipped: $out"
    fi
  done
}

# The Debian 13 chroot's run fails exactly when the stage inside fails, though every unmount
# after it succeeds. The chroot's tools are fakes; the chroot tarball is made by a fake
# mmdebstrap in a cache of the test's own.
debian13_status() {
  local tree=$SANDBOX_WORK/d13 row status expected result
  sandbox_tree "$tree" scripts/debian13.sh
  stub_script "$tree" scripts/setup.sh
  git init -q "$tree" && commit_all "$tree" || { fail "no git clone"; return; }
  fake_tool mmdebstrap 'tar -cf "${!#}" -T /dev/null'
  fake_tool sudo 'exec "$@"'
  fake_tool unshare 'while [ "${1#--}" != "$1" ]; do [ "$1" = --propagation ] && shift; shift; done; exec "$@"'
  local tool
  for tool in ip mount umount; do fake_tool "$tool" "log_call $tool \"\$@\""; done
  fake_tool chroot 'log_call chroot "$@"; exit "$STAGE_STATUS"'
  for row in "0 pass" "1 fail"; do
    read -r status expected <<<"$row"
    : >"$SANDBOX_LOG"
    STAGE_STATUS=$status GLIMMERJIG_CHROOT_CACHE=$SANDBOX_WORK/cache \
      bash "$tree/scripts/debian13.sh" suite >"$SANDBOX_WORK/out.log" 2>&1
    result=$([ $? -eq 0 ] && echo pass || echo fail)
    logged "test.sh suite" || fail "the stage never ran in the chroot: $(cat "$SANDBOX_WORK/out.log")"
    logged "umount -R" || fail "the chroot's mounts were not taken away"
    [ "$result" = "$expected" ] || fail "stage status $status: debian13.sh should $expected, it did not"
  done
}

case "$behaviour" in
  failing-tests) failing_tests ;;
  clone-top) clone_top ;;
  debian13-status) debian13_status ;;
  *) echo "usage: $0 SOURCE_DIR WORK_DIR failing-tests|clone-top|debian13-status" >&2; exit 2 ;;
esac
exit $((failures > 0))
