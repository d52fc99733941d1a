#!/usr/bin/env bash
# Takes the screenshots in docs/ from the demo game folder, on a virtual desktop with a
# window manager, at two DPIs and three text sizes:   tools/screenshots.sh   (after a build of the mingw-x86 preset, or of
# mingw-x64 on a machine that cannot run 32-bit programs)
set -euo pipefail
cd "$(dirname "$0")/.."
[[ -n "${TROVANE_VIRTUAL_DESKTOP:-}" ]] || exec tools/virtual-desktop.sh "$0" "$@"
preset="$(tools/wine.sh player-preset "the screenshots show the 64-bit program.")"
demo="$PWD/build/$preset/demo"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# The prefix's message font at PERCENT of its default 9 points, as Windows' text size
# setting makes it. Wine keeps the font's height in the registry at 96 DPI (12 pixels).
text_size() { # PERCENT
  local key='HKCU\Control Panel\Desktop\WindowMetrics' font height bytes
  font="$(tools/wine.sh "$arch" reg query "$key" /v MessageFont | tr -d '\r' | awk '/REG_BINARY/ {print $3}')"
  height=$(( (-(12 * $1 + 50) / 100) & 0xFFFFFFFF ))
  printf -v bytes '%02X%02X%02X%02X' $((height & 255)) $((height >> 8 & 255)) $((height >> 16 & 255)) $((height >> 24))
  tools/wine.sh "$arch" reg add "$key" /v MessageFont /t REG_BINARY /d "$bytes${font:8}" /f >/dev/null 2>&1
}

shoot() { # DPI TEXT_PERCENT PREFIX_LOCALE LANG NAME [splash]
  export WINEPREFIX="$PWD/build/wine-shots-$1-${3%%.*}"
  tools/wine-prefix.sh "$arch" "$WINEPREFIX" "$1" "$3"
  text_size "$2"
  LANG="$4" LC_ALL="$4" tools/wine.sh "$arch" "$demo/Trovane_Config.exe" >/dev/null 2>&1 </dev/null &
  local program=$!
  if [[ -n "${6:-}" ]]; then
    sleep 0.3
    import -frame -window "$(tools/wait-for-window.sh Form1)" "docs/splash-$5.png"
  fi
  local settings
  settings="$(tools/wait-for-window.sh Trovane_Config)"
  sleep 0.5
  import -frame -window "$settings" "docs/settings-window-$5.png"
  kill "$program" 2>/dev/null || true
  wineserver -k >/dev/null 2>&1 || true
}

arch="${preset#mingw-}"
shoot 96 100 zh_CN.UTF-8 zh_CN.UTF-8 96dpi splash
shoot 144 100 zh_CN.UTF-8 zh_CN.UTF-8 144dpi splash
for text in 150 200; do
  shoot 96 "$text" zh_CN.UTF-8 zh_CN.UTF-8 "text-$text-96dpi"
  shoot 144 "$text" zh_CN.UTF-8 zh_CN.UTF-8 "text-$text-144dpi"
done
shoot 96 100 zh_TW.UTF-8 zh_TW.UTF-8 traditional-96dpi
shoot 96 100 C.UTF-8 C.UTF-8 english-96dpi
shoot 144 100 C.UTF-8 C.UTF-8 english-144dpi
