#!/usr/bin/env bash
# Sets up this Debian machine, builds both Windows targets from scratch and runs every
# test of each under Wine, on a virtual X display (the tests start their own window
# manager), and fuzzes the settings file's text engine natively (every seed and finding,
# then 100,000 executions from a fixed seed); also makes
# the player's release ZIP. On a machine that cannot run 32-bit
# programs it runs the 64-bit tests alone and says so. Runs as root, or as a user with sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
for build in build/mingw-x86 build/mingw-x64; do # a run that was cut short may leave its small disk
  if mountpoint -q "$build/small-disk" 2>/dev/null; then umount "$build/small-disk"; fi
done
rm -rf build/mingw-x86 build/mingw-x64 build/native-fuzz build/wine-prefixes
free_mib=$(df --output=avail -m . | tail -1)
if ((free_mib < 8192)); then # the Wine prefixes need most of it (see the README)
  echo "tools/test.sh: only ${free_mib} MiB of disk is free here; the tests need about 8 GiB" >&2
fi
for preset in mingw-x86 mingw-x64 native-fuzz; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
done
cmake --build --preset mingw-x86 --target release
tested=(mingw-x64)
if [[ "$(tools/wine.sh player-preset "the mingw-x86 tests were not run; the 64-bit tests were.")" == mingw-x86 ]]; then
  tested=(mingw-x86 mingw-x64)
fi
failed=0
for preset in "${tested[@]}"; do
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset "$preset" || failed=1
done
ctest --preset native-fuzz || failed=1 # the settings file's text engine, fuzzed
exit "$failed"
