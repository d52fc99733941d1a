#!/usr/bin/env bash
# Takes the screenshots in docs/ from the demo game folder, on a virtual desktop with a
# window manager:   tools/screenshots.sh   (after a build of the mingw-x86 preset, or of
# mingw-x64 on a machine that cannot run 32-bit programs)
set -euo pipefail
cd "$(dirname "$0")/.."
[[ -n "${TROVANE_VIRTUAL_DESKTOP:-}" ]] || exec tools/virtual-desktop.sh "$0" "$@"
preset="$(tools/wine.sh player-preset "the screenshots show the 64-bit program.")"
demo="$PWD/build/$preset/demo"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

shoot() { # DPI PREFIX_LOCALE LANG NAME [splash]
  export WINEPREFIX="$PWD/build/wine-shots-$1-${2%%.*}"
  tools/wine-prefix.sh "${preset#mingw-}" "$WINEPREFIX" "$1" "$2"
  LANG="$3" LC_ALL="$3" tools/wine.sh "${preset#mingw-}" "$demo/Trovane_Config.exe" >/dev/null 2>&1 </dev/null &
  local program=$!
  if [[ -n "${5:-}" ]]; then
    sleep 0.3
    import -frame -window "$(tools/wait-for-window.sh Form1)" "docs/splash-$4.png"
  fi
  local settings
  settings="$(tools/wait-for-window.sh Trovane_Config)"
  sleep 0.5
  import -frame -window "$settings" "docs/settings-window-$4.png"
  kill "$program" 2>/dev/null || true
  wineserver -k >/dev/null 2>&1 || true
}

shoot 96 zh_CN.UTF-8 zh_CN.UTF-8 96dpi splash
shoot 144 zh_CN.UTF-8 zh_CN.UTF-8 144dpi splash
shoot 96 zh_TW.UTF-8 zh_TW.UTF-8 traditional-96dpi
shoot 96 C.UTF-8 C.UTF-8 english-96dpi
shoot 144 C.UTF-8 C.UTF-8 english-144dpi
