#!/usr/bin/env bash
# Runs a command on a virtual X display with a window manager, as on a player's desktop:
#   tools/virtual-desktop.sh COMMAND [ARGUMENTS...]
set -euo pipefail
tools="$(cd "$(dirname "$0")" && pwd)"
if [[ -z "${TROVANE_VIRTUAL_DESKTOP:-}" ]]; then
  exec env TROVANE_VIRTUAL_DESKTOP=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$tools/virtual-desktop.sh" "$@"
fi
pidfile="$(mktemp)"
trap '"$tools/window-manager.sh" stop "$pidfile"' EXIT
"$tools/window-manager.sh" start "$pidfile"
"$@"
