#!/usr/bin/env bash
# Takes the screenshots in docs/ from the demo game folder, in a virtual display:
#   tools/screenshots.sh         (after a build of the mingw-x64 preset and its demo target)
set -euo pipefail
cd "$(dirname "$0")/.."
demo="$PWD/build/mingw-x64/demo"
export WINEDEBUG=-all

shoot() { # dpi lang name [splash too]
  local prefix="$PWD/build/wine-shots-$1"
  [[ -d "$prefix" ]] || tools/wine-prefix.sh "$prefix" "$1"
  WINEPREFIX="$prefix" wineserver -p >/dev/null 2>&1 </dev/null || true
  (cd "$demo" && LANG="$2" WINEPREFIX="$prefix" timeout 20 wine Trovane_Config.exe >/dev/null 2>&1 </dev/null &)
  local id=""
  for _ in $(seq 1 100); do
    id=$(xdotool search --name '^Form1$' 2>/dev/null | head -1) && [[ -n "$id" ]] && break
    sleep 0.1
  done
  sleep 0.3
  [[ -n "$id" && -n "${4:-}" ]] && import -window "$id" "docs/splash-$3.png"
  sleep 1.5
  id=$(xdotool search --name '^Trovane_Config$' | head -1)
  import -window "$id" "docs/settings-window-$3.png"
  pkill -f Trovane_Config.exe || true
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
}

if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
shoot 96 zh_CN.UTF-8 96dpi splash
shoot 144 zh_CN.UTF-8 144dpi splash
shoot 96 zh_TW.UTF-8 traditional-96dpi
