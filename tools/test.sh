#!/usr/bin/env bash
# Sets up this Debian machine (12 or 13), builds both Windows targets from scratch and runs
# every test of each under the machine's Wine, on virtual X displays (the tests start their
# own window manager), and fuzzes the settings file's text engine natively (every seed and
# finding, then 100,000 executions from a fixed seed). On Debian 12, whose Wine is 8.0, it
# also builds the player's build with Debian 13's compiler and runs its suite under Debian
# 13's Wine 10, in a Debian 13 root that it makes first (tools/debian13-root.sh). On a
# machine that cannot run 32-bit programs it runs the 64-bit tests alone and says so. It
# ends with a summary: each part's time, and each suite's counts. Runs as root, or as a
# user with sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/summary.sh
rm -f "$summary_file"
trap '[[ -f "$summary_file" ]] && printf "\nSummary of the test command:\n%s\n" "$(cat "$summary_file")"' EXIT
timed "installing packages on $this_debian" tools/install-deps.sh
for build in build/mingw-x86 build/mingw-x64; do # a run that was cut short may leave its small disk
  if mountpoint -q "$build/small-disk" 2>/dev/null; then umount "$build/small-disk"; fi
done
rm -rf build/mingw-x86 build/mingw-x64 build/native-fuzz build/wine-prefixes build/wine10-prefixes \
  build/debian13-mingw-x86 build/debian13-mingw-x64
free_mib=$(df --output=avail -m . | tail -1)
if ((free_mib < 20480)); then # the Wine prefixes and the Debian 13 root need most of it (see the README)
  echo "tools/test.sh: only ${free_mib} MiB of disk is free here; the tests need about 20 GiB" >&2
fi
older_than_13=$(($(. /etc/os-release && echo "${VERSION_ID:-99}" | cut -d. -f1) < 13))
if ((older_than_13)); then tools/debian13-root.sh; fi # first, so that a missing tool fails at once
tools/build.sh mingw-x86 mingw-x64 native-fuzz
failed=0
tools/run-suites.sh all || failed=1
if ((older_than_13)); then
  # The player's preset is built there too, and the 64-bit one where only it can run.
  presets=(mingw-x86)
  [[ "$(tools/wine.sh player-preset "the 32-bit suites are built but not run.")" == mingw-x86 ]] ||
    presets+=(mingw-x64)
  tools/debian13-root.sh bash -c 'tools/build.sh "$@" && tools/run-suites.sh player' bash "${presets[@]}" ||
    failed=1
fi
timed "fuzzing the settings file's text engine" ctest --preset native-fuzz || failed=1
exit "$failed"
