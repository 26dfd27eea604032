#!/usr/bin/env bash
# The package build's check for warnings: prints each line of a build log where the compiler,
# the linker or a packaging tool warns ("file:line:col: warning: ...", "dpkg-shlibdeps:
# warning: ...") and exits 1 when there is one, 0 when there is none, 2 when the log cannot
# be read.
# Usage: build_warnings.sh LOG
set -u
if [ $# -ne 1 ]; then
  echo "usage: build_warnings.sh LOG" >&2
  exit 2
fi
grep -E ': warning: ' "$1"
case $? in
  0) exit 1 ;;
  1) exit 0 ;;
  *) exit 2 ;;
esac
