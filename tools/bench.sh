#!/usr/bin/env bash
# Runs the benchmark (15 runs by default) on a virtual desktop, after a build of the
# mingw-x86 preset (the player's build), and prints its table of medians:   tools/bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
[[ -n "${DISPLAY:-}" ]] || exec tools/virtual-desktop.sh "$0" "$@"
# BENCH_LOCALE: the locale the prefix is made and run under (zh_CN.UTF-8 by default).
locale="${BENCH_LOCALE:-zh_CN.UTF-8}"
prefix="$PWD/build/mingw-x86/wine-bench-${locale%%.*}"
tools/wine-prefix.sh "$prefix" 96 "$locale"
WINEPREFIX="$prefix" WINEDEBUG=-all LANG="$locale" LC_ALL="$locale" wine build/mingw-x86/bin/startup_bench.exe "${1:-15}" </dev/null
WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
