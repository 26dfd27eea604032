#!/usr/bin/env bash
# Where the Help window's time goes while its first page scrolls: callgrind over SECONDS
# (default 20) of the real game under Xvfb with Help open, every thread counted, counters
# zeroed once the window has been open 3 s. Prints the costliest functions by their own
# cost, and how many frames were painted, to compare instructions per frame.
#   bash bench/ui/profile_help.sh build/src/shell/glimmerjig [SECONDS] [OUT]
set -euo pipefail
game=$(realpath "$1")
seconds=${2:-20}
out=$(realpath -m "${3:-callgrind.help.out}")
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -s "$game" "$seconds" "$out" <<'INNER'
set -euo pipefail
game=$1 seconds=$2 out=$3
SDL_AUDIODRIVER=dummy valgrind --tool=callgrind \
  --callgrind-out-file="$out" "$game" 2>/dev/null & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(xdotool search --sync --onlyvisible --name '^Glimmerjig$' | head -1)
xdotool mousemove --window "$window" 14 14 click 1
until [ "$(xdotool search --onlyvisible --name '^Glimmerjig$' | wc -l)" -ge 2 ]; do sleep 0.2; done
sleep 3
callgrind_control -z "$pid" >/dev/null
sleep "$seconds"
callgrind_control -d "$pid" >/dev/null
INNER
dump="$out.1"  # the dump taken above; the file at exit holds only the shutdown
callgrind_annotate --inclusive=no "$dump" 2>/dev/null | sed -n '1,40p' | cut -c1-160
echo "frames: $(callgrind_annotate --inclusive=yes "$dump" 2>/dev/null | grep -m1 'CPictureText::paintEvent' || true)"
