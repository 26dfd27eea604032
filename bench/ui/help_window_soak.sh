#!/usr/bin/env bash
# The real Help window open for MINUTES (default 10) under Xvfb: the game's resident memory
# once a minute, which should stay flat while the first page scrolls on and on.
#   bash bench/ui/help_window_soak.sh build/src/shell/glimmerjig [MINUTES]
set -euo pipefail
game=$(realpath "$1")
minutes=${2:-10}
exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -s "$game" "$minutes" <<'INNER'
set -euo pipefail
game=$1 minutes=$2
SDL_AUDIODRIVER=dummy "$game" & pid=$!
trap 'kill $pid 2>/dev/null' EXIT
window=$(xdotool search --sync --onlyvisible --pid "$pid" --name '^Glimmerjig$' | head -1)
xdotool mousemove --window "$window" 14 14 click 1
until [ "$(xdotool search --onlyvisible --pid "$pid" --name '^Glimmerjig$' | wc -l)" -ge 2 ]; do
  sleep 0.1
done
for ((minute = 0; minute <= minutes; minute++)); do
  echo "minute $minute: $(grep VmRSS /proc/$pid/status | tr -s ' ')"
  ((minute < minutes)) && sleep 60
done
INNER
