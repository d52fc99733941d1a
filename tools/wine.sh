#!/usr/bin/env bash
# Runs Wine for one architecture of the program, and tells whether this machine can run
# 32-bit programs at all: some kernels refuse every i386 executable, Wine's 32-bit loader
# among them, and Debian's `wine` wrapper then fails even for 64-bit programs.
#   tools/wine.sh x64|x86 PROGRAM [ARGUMENTS...]   run under the 64-bit or the 32-bit loader
#   tools/wine.sh runs-32-bit                       exit status 0 when the 32-bit loader starts
#   tools/wine.sh player-preset WHAT                print the preset of the build to run:
#       mingw-x86 (the player's build) where 32-bit programs run, else mingw-x64 after one
#       line on standard error that says so and then WHAT
# TROVANE_WINE32_LOADER names the 32-bit loader to probe (tests point it at one that cannot
# start, to try the other path on any machine).
set -euo pipefail
loader32="${TROVANE_WINE32_LOADER:-/usr/lib/wine/wine}"
loader64=/usr/lib/wine/wine64

# Only a refused start (exit status 126) means no 32-bit support; a missing or failing
# loader is a broken install and stops here, so it can never hide the 32-bit tests.
runs_32_bit() {
  [[ -e "$loader32" ]] || { echo "Wine's 32-bit loader $loader32 is missing (package wine32:i386)." >&2; exit 127; }
  local status=0
  "$loader32" --version >/dev/null 2>&1 </dev/null || status=$?
  case "$status" in
  0) return 0 ;;
  126) return 1 ;;
  *) echo "Wine's 32-bit loader $loader32 failed with exit status $status." >&2; exit 2 ;;
  esac
}
cannot_run_32_bit() {
  echo "This machine cannot run 32-bit programs (the kernel refuses i386 executables): $1" >&2
}

case "${1:-}" in
x64)
  shift
  [[ -x "$loader64" ]] || { echo "Wine's 64-bit loader $loader64 is missing (package wine64)." >&2; exit 127; }
  WINELOADER="$loader64" exec "$loader64" "$@"
  ;;
x86)
  shift
  runs_32_bit || { cannot_run_32_bit "this is a 32-bit build; test or run the mingw-x64 build here."; exit 126; }
  exec wine "$@"
  ;;
runs-32-bit) runs_32_bit ;;
player-preset)
  if runs_32_bit; then echo mingw-x86; else cannot_run_32_bit "$2"; echo mingw-x64; fi
  ;;
*)
  sed -n '2,11s/^# \{0,1\}//p' "$0" >&2
  exit 2
  ;;
esac
