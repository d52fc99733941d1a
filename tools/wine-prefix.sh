#!/usr/bin/env bash
# Prepares a Wine prefix for the demo and the tests, and leaves its wineserver running.
#   tools/wine-prefix.sh x64|x86 PREFIX [DPI] [LOCALE] [XINPUT_DLL]
# The architecture is that of the build whose programs run in it (see tools/wine.sh).
# XINPUT_DLL, a stand-in for the tests' gamepad, is installed as the system's XInput of that
# architecture, so that one prefix serves both builds.
# LOCALE is the system locale the prefix is made under (zh_CN.UTF-8 by default): Wine
# chooses the prefix's fonts by it, as a player's prefix gets them from the desktop's.
# Wine's background processes keep the standard handles of whoever starts them first,
# so everything here writes to /dev/null; later programs find the prefix booted.
set -euo pipefail
wine=("$(dirname "$0")/wine.sh" "$1")
export WINEPREFIX="$2" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
dpi="${3:-96}"
export LANG="${4:-zh_CN.UTF-8}" LC_ALL="${4:-zh_CN.UTF-8}"
"${wine[@]}" --version >/dev/null # fails, and says why, where this build cannot run
mkdir -p "$WINEPREFIX"
quiet() { "$@" >/dev/null 2>&1 </dev/null; }
quiet wineserver -p || true # a server already running is fine
# Initialising again would put Wine's defaults back over the settings below.
# Every prefix has its own copy of Wine's system files (1.3 GB), shared with no other:
# Wine rewrites them in place (wineboot -u, CopyFileW onto one).
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  quiet "${wine[@]}" wineboot -i
fi
reg() { quiet "${wine[@]}" reg "$@" /f || true; }
reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi"
reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi"
# A program that crashes ends at once instead of waiting in the debugger.
reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger
reg delete 'HKLM\Software\Wow6432Node\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger
if [[ -n "${5:-}" ]]; then
  system="$WINEPREFIX/drive_c/windows/system32"
  [[ "$1" == x86 && -d "$WINEPREFIX/drive_c/windows/syswow64" ]] && system="$WINEPREFIX/drive_c/windows/syswow64"
  cp "$5" "$system/xinput1_4.dll"
  reg add 'HKCU\Software\Wine\DllOverrides' /v xinput1_4 /t REG_SZ /d native
fi
# Restart the server so that every later program sees the settings.
quiet wineserver -k || true
quiet wineserver -w || true
quiet wineserver -p || true
quiet "${wine[@]}" wineboot
