#!/usr/bin/env bash
# On a machine whose kernel refuses i386 executables (played here by a 32-bit loader that
# cannot start): the scripts fall back to the 64-bit build, say so in one line, refuse to run
# the 32-bit build, and still run 64-bit programs.   tests/without_32bit_test.sh PREFIX
set -euo pipefail
wine="$(cd "$(dirname "$0")/../tools" && pwd)/wine.sh"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000' >"$scratch/wine" # not a program
chmod +x "$scratch/wine"
export TROVANE_WINE32_LOADER="$scratch/wine" WINEPREFIX="$1"
fail() { echo "FAILED: $*" >&2; exit 1; }

if "$wine" runs-32-bit; then fail "a loader that cannot start passed the probe"; fi

preset="$("$wine" player-preset "the mingw-x86 tests were not run; the 64-bit tests were." 2>"$scratch/said")"
[[ "$preset" == mingw-x64 ]] || fail "the fallback chose '$preset'"
[[ "$(cat "$scratch/said")" == "This machine cannot run 32-bit programs (the kernel refuses i386 executables): the mingw-x86 tests were not run; the 64-bit tests were." ]] ||
  fail "the skip line was: $(cat "$scratch/said")"

status=0
"$wine" x86 cmd /c echo 2>"$scratch/said" || status=$?
((status == 126)) || fail "the 32-bit build was run (exit status $status)"
grep -q "cannot run 32-bit programs" "$scratch/said" || fail "the refusal did not say why"

[[ "$("$wine" x64 cmd /c echo 64-bit 2>/dev/null | tr -d '\r')" == 64-bit ]] || fail "the 64-bit loader did not run a program"

unset TROVANE_WINE32_LOADER # where the real loader starts, the player's 32-bit build is chosen
if "$wine" runs-32-bit; then
  [[ "$("$wine" player-preset unused)" == mingw-x86 ]] || fail "the player's build was not chosen"
fi
echo "Without 32-bit support the scripts fall back to the 64-bit build, and say so."
