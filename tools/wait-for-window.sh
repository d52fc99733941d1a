#!/usr/bin/env bash
# Waits for a visible window with exactly the title, on the current X display, and prints
# its id; fails after the time (20 s by default).   tools/wait-for-window.sh TITLE [SECONDS]
set -uo pipefail
for _ in $(seq 1 $((${2:-20} * 10))); do
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 | grep . && exit 0
  sleep 0.1
done
echo "No window \"$1\" appeared." >&2
exit 1
