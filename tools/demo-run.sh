#!/usr/bin/env bash
# Starts the program in a demo game folder under Wine, on the current X display:
#   tools/demo-run.sh FOLDER [SCREENSHOT.png]
# With a screenshot file it waits for the settings window, saves the screen, ends the
# program and fails if the window never came. DEMO_LANG is the system language.
set -euo pipefail
folder="$(cd "$1" && pwd)"
screenshot="${2:-}"
export WINEPREFIX="$folder/../wine-demo" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$(dirname "$0")/wine-prefix.sh" "$WINEPREFIX"
export LANG="${DEMO_LANG:-zh_CN.UTF-8}" LC_ALL="${DEMO_LANG:-zh_CN.UTF-8}"
echo "Demo game folder: $folder"
if [[ -z "$screenshot" ]]; then
  exec wine "$folder/Trovane_Config.exe"
fi
wine "$folder/Trovane_Config.exe" >/dev/null 2>&1 </dev/null &
program=$!
trap 'kill "$program" 2>/dev/null || true; wineserver -k >/dev/null 2>&1 || true' EXIT
for _ in $(seq 1 300); do
  window=$(xdotool search --onlyvisible --name '^Trovane_Config$' 2>/dev/null | head -1) || true
  [[ -n "$window" ]] && break
  sleep 0.1
done
if [[ -z "$window" ]]; then
  echo "The settings window did not appear." >&2
  exit 1
fi
sleep 0.5 # let it finish drawing
import -window root "$screenshot"
echo "Screenshot: $screenshot"
