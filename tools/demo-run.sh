#!/usr/bin/env bash
# Starts the program in a demo game folder under Wine, on the current X display:
#   tools/demo-run.sh x86|x64 FOLDER [SCREENSHOT.png]   (the architecture of its build)
# With a screenshot file it waits for the settings window, saves the screen, ends the
# program and fails if the window never came. DEMO_LANG is the system language.
set -euo pipefail
tools="$(cd "$(dirname "$0")" && pwd)"
wine=("$tools/wine.sh" "$1")
folder="$(cd "$2" && pwd)"
screenshot="${3:-}"
# The demo's prefix is shared by both builds, beside the tests' (build/wine-prefixes).
export WINEPREFIX="$folder/../../wine-prefixes/demo" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$tools/wine-prefix.sh" "$1" "$WINEPREFIX"
export LANG="${DEMO_LANG:-zh_CN.UTF-8}" LC_ALL="${DEMO_LANG:-zh_CN.UTF-8}"
echo "Demo game folder: $folder"
if [[ -z "$screenshot" ]]; then
  exec "${wine[@]}" "$folder/Trovane_Config.exe"
fi
"${wine[@]}" "$folder/Trovane_Config.exe" >/dev/null 2>&1 </dev/null &
program=$!
trap 'kill "$program" 2>/dev/null || true; wineserver -k >/dev/null 2>&1 || true' EXIT
"$tools/wait-for-window.sh" Trovane_Config 30 >/dev/null
sleep 0.5 # let it finish drawing
import -window root "$screenshot"
echo "Screenshot: $screenshot"
