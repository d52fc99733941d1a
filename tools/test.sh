#!/usr/bin/env bash
# Sets up this Debian machine (12 or 13), builds both Windows targets from scratch and runs
# every test of each under the machine's Wine, on virtual X displays (the tests start their
# own window manager), and fuzzes the settings file's text engine natively (every seed and
# finding, then 100,000 executions from a fixed seed). On Debian 12, whose Wine is 8.0, it
# also runs the player's build's suite under Debian 13's Wine 10, in a Debian 13 root that
# it makes (tools/debian13-root.sh). On a machine that cannot run 32-bit programs it runs
# the 64-bit tests alone and says so. Runs as root, or as a user with sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
for build in build/mingw-x86 build/mingw-x64; do # a run that was cut short may leave its small disk
  if mountpoint -q "$build/small-disk" 2>/dev/null; then umount "$build/small-disk"; fi
done
rm -rf build/mingw-x86 build/mingw-x64 build/native-fuzz build/wine-prefixes build/wine10-prefixes
free_mib=$(df --output=avail -m . | tail -1)
if ((free_mib < 20480)); then # the Wine prefixes and the Debian 13 root need most of it (see the README)
  echo "tools/test.sh: only ${free_mib} MiB of disk is free here; the tests need about 20 GiB" >&2
fi
for preset in mingw-x86 mingw-x64 native-fuzz; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
done
failed=0
tools/run-suites.sh all || failed=1
if (($(. /etc/os-release && echo "${VERSION_ID:-99}" | cut -d. -f1) < 13)); then
  tools/debian13-root.sh tools/run-suites.sh player || failed=1
fi
ctest --preset native-fuzz || failed=1 # the settings file's text engine, fuzzed
exit "$failed"
