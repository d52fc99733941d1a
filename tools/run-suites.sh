#!/usr/bin/env bash
# Runs the built Windows programs' test suites under this machine's Wine, each on a virtual
# X display of its own (the tests start their own window manager), in the build's Wine
# prefixes, which are made on first use:
#   tools/run-suites.sh all      both builds, or the 64-bit one alone where 32-bit programs
#                                cannot run (and says so in one line)
#   tools/run-suites.sh player   the player's 32-bit build, or the 64-bit one likewise,
#                                without the tests that build the release (those need the
#                                build machine's own tools)
# Exit status 1 when any test failed.
set -euo pipefail
cd "$(dirname "$0")/.."
wine_version="$(tools/wine.sh x64 --version)"
player="$(tools/wine.sh player-preset "the mingw-x86 tests were not run under $wine_version; the 64-bit tests were.")"
case "$1" in
all)
  presets=(mingw-x64)
  if [[ "$player" == mingw-x86 ]]; then presets=(mingw-x86 mingw-x64); fi
  options=()
  ;;
player)
  presets=("$player")
  options=(--label-exclude builds_the_release)
  ;;
*)
  sed -n '2,11s/^# \{0,1\}//p' "$0" >&2
  exit 2
  ;;
esac
source tools/summary.sh
log="$(mktemp)"
trap 'rm -f "$log"' EXIT

# The summary's line for a suite, from CTest's closing lines in its log.
#   suite_line PRESET SECONDS
suite_line() {
  local result="did not finish" counts failures total skipped
  counts="$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\)$/\1 \2/p' "$log")"
  if [[ -n "$counts" ]]; then
    read -r failures total <<<"$counts"
    skipped="$(grep -c '(Skipped)$' "$log" || true)"
    result="$((total - failures)) of $total passed"
    ((skipped == 0)) || result+=" ($skipped skipped)"
  fi
  echo "$1, built on $this_debian, under ${wine_version%% *}: $result, in $(duration "$2")"
}

failed=0
for preset in "${presets[@]}"; do
  echo "Testing $preset under $wine_version"
  started=$SECONDS
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset "$preset" "${options[@]}" 2>&1 | tee "$log" || failed=1
  summarise "$(suite_line "$preset" $((SECONDS - started)))"
done
exit "$failed"
