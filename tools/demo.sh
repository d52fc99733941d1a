#!/usr/bin/env bash
# Sets up this Debian machine, builds the player's 32-bit program and starts it under
# Wine in a demo game folder (a sample qirmod.ini and a stand-in game). Without a desktop
# it runs on a virtual display and saves a screenshot to build/demo.png instead.
# DEMO_LANG chooses the system language (zh_CN.UTF-8 by default; zh_TW.UTF-8 shows
# traditional captions). Runs as root, or as a user with sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset mingw-x86 >/dev/null
cmake --build --preset mingw-x86 --target demo
if [[ -n "${DISPLAY:-}" ]]; then
  exec tools/demo-run.sh build/mingw-x86/demo
fi
exec tools/virtual-desktop.sh tools/demo-run.sh build/mingw-x86/demo build/demo.png
