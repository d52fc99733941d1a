#!/usr/bin/env bash
# Runs the benchmark (15 runs by default) in a virtual display, after a build of the
# mingw-x64 preset, and prints its table of medians:   tools/bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
prefix="$PWD/build/mingw-x64/wine-bench"
tools/wine-prefix.sh "$prefix"
WINEPREFIX="$prefix" WINEDEBUG=-all LANG=zh_CN.UTF-8 wine build/mingw-x64/bin/startup_bench.exe "${1:-15}" </dev/null
WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
