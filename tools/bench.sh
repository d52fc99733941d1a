#!/usr/bin/env bash
# Runs the benchmark (15 runs by default) on a virtual desktop, after a build of the
# mingw-x86 preset (the player's build), and prints its table of medians:   tools/bench.sh [RUNS]
# On a machine that cannot run 32-bit programs it runs that of the mingw-x64 build, which
# measures the 64-bit program against a 64-bit bare window.
set -euo pipefail
cd "$(dirname "$0")/.."
[[ -n "${DISPLAY:-}" ]] || exec tools/virtual-desktop.sh "$0" "$@"
preset="$(tools/wine.sh player-preset "the benchmark measures the 64-bit build (mingw-x64) instead.")"
# BENCH_LOCALE: the locale the prefix is made and run under (zh_CN.UTF-8 by default).
locale="${BENCH_LOCALE:-zh_CN.UTF-8}"
prefix="$PWD/build/$preset/wine-bench-${locale%%.*}"
tools/wine-prefix.sh "${preset#mingw-}" "$prefix" 96 "$locale"
WINEPREFIX="$prefix" WINEDEBUG=-all LANG="$locale" LC_ALL="$locale" \
  tools/wine.sh "${preset#mingw-}" "build/$preset/bin/startup_bench.exe" "${1:-15}" </dev/null
WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
