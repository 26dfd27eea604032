#!/usr/bin/env bash
# Where the Help window's time goes while its first page scrolls: callgrind over SECONDS
# (default 20) of the real game under Xvfb with Help open, every thread counted, counters
# zeroed once the window has been open 3 s. Prints the instructions per frame painted and
# the costliest functions by their own instructions; compare runs per frame.
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
# Each function's own instructions (callgrind_annotate folds recursive Qt calls into one line
# here) and how many frames Help painted meanwhile.
/usr/bin/python3 - "$dump" <<'PY'
import collections, re, sys
names, own, calls = {}, collections.Counter(), collections.Counter()
def name(text):
    m = re.match(r'\((\d+)\)(?: (.*))?', text)
    if not m:
        return text
    if m.group(2):
        names[m.group(1)] = m.group(2)
    return names.get(m.group(1), text)
fn = callee = None
after_call = False
for line in open(sys.argv[1], errors='replace'):
    if line.startswith('fn='):
        fn = name(line[3:].strip())
    elif line.startswith('cfn='):
        callee = name(line[4:].strip())
    elif line.startswith('calls='):
        calls[callee] += int(line[6:].split()[0])
        after_call = True
    elif line[:1].isdigit() or line[:1] in '+-*':
        if not after_call and len(line.split()) > 1:
            own[fn] += int(line.split()[1])
        after_call = False
total = sum(own.values())
frames = sum(n for f, n in calls.items() if f and f.startswith('CPictureText::paintEvent'))
print(f'{total:,} instructions, {frames} frames, {total // max(frames, 1):,} a frame')
for f, n in own.most_common(12):
    print(f'{n:>14,} {100 * n / total:5.1f} %  {f[:100]}')
PY
