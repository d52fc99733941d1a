#!/usr/bin/env bash
# Sets up this Debian machine, builds the player's 32-bit program and starts it under
# Wine in a demo game folder (a sample qirmod.ini and a stand-in game). Without a desktop
# it runs on a virtual display and saves a screenshot to build/demo.png instead. On a
# machine that cannot run 32-bit programs it builds and shows the 64-bit program.
# DEMO_LANG chooses the system language (zh_CN.UTF-8 by default; zh_TW.UTF-8 shows
# traditional captions). Runs as root, or as a user with sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
preset="$(tools/wine.sh player-preset "the demo shows the 64-bit program instead.")"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target demo
demo=(tools/demo-run.sh "${preset#mingw-}" "build/$preset/demo")
if [[ -n "${DISPLAY:-}" ]]; then
  exec "${demo[@]}"
fi
exec tools/virtual-desktop.sh "${demo[@]}" build/demo.png
