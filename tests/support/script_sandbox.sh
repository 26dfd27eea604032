# Runs the project's own shell scripts for real in a tree of their own, with what they start
# replaced: sourced by a test, it gives
#   sandbox_tree DIR SCRIPT...   a tree in DIR with copies of the named scripts (paths in the
#                                source tree)
#   stub_script DIR PATH         a script at DIR/PATH that logs "PATH ARGS" and succeeds
#   fake_tool NAME BODY          a command NAME, first on PATH, that runs the bash BODY
#   logged WORD                  whether a stub or fake logged a line holding WORD
# The log is $SANDBOX_LOG; fakes log with `log_call NAME "$@"`.
# Needs SANDBOX_SOURCE (the source tree) and SANDBOX_WORK (an empty folder of the test's own).

SANDBOX_BIN=$SANDBOX_WORK/bin
SANDBOX_LOG=$SANDBOX_WORK/calls.log
mkdir -p "$SANDBOX_BIN"
: >"$SANDBOX_LOG"
export PATH="$SANDBOX_BIN:$PATH" SANDBOX_LOG

sandbox_tree() {
  local dir=$1 script
  shift
  for script in "$@"; do
    mkdir -p "$dir/$(dirname "$script")"
    cp "$SANDBOX_SOURCE/$script" "$dir/$script"
  done
}

stub_script() {
  mkdir -p "$1/$(dirname "$2")"
  printf '#!/usr/bin/env bash\necho "%s $*" >>"$SANDBOX_LOG"\n' "$2" >"$1/$2"
}

fake_tool() {
  printf '#!/usr/bin/env bash\nlog_call() { echo "$*" >>"$SANDBOX_LOG"; }\n%s\n' "$2" >"$SANDBOX_BIN/$1"
  chmod +x "$SANDBOX_BIN/$1"
}

logged() {
  grep -qF -- "$1" "$SANDBOX_LOG"
}
