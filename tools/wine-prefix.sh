#!/usr/bin/env bash
# Prepares a Wine prefix for the demo and the tests, and leaves its wineserver running.
#   tools/wine-prefix.sh PREFIX [DPI]
# Wine's background processes keep the standard handles of whoever starts them first,
# so everything here writes to /dev/null; later programs find the prefix booted.
set -euo pipefail
export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
dpi="${2:-96}"
mkdir -p "$WINEPREFIX"
quiet() { "$@" >/dev/null 2>&1 </dev/null; }
quiet wineserver -p || true # a server already running is fine
# Initialising again would put Wine's defaults back over the settings below.
[[ -f "$WINEPREFIX/system.reg" ]] || quiet wineboot -i
reg() { quiet wine reg add "$@" /f; }
# Wine draws window frames itself: there is no window manager under Xvfb.
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
reg 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d Y
reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi"
reg 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi"
# Restart the server so that every later program sees the settings.
quiet wineserver -k || true
quiet wineserver -w || true
quiet wineserver -p || true
quiet wineboot
