#!/usr/bin/env bash
# Sets up this Debian machine, builds the program and starts it under Wine in a demo
# game folder (a sample qirmod.ini and a stand-in game). Without a desktop it runs in
# a virtual display and saves a screenshot to build/demo.png instead. DEMO_LANG chooses
# the system language (zh_CN.UTF-8 by default; zh_TW.UTF-8 shows traditional captions).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset mingw-x64 >/dev/null
cmake --build --preset mingw-x64 --target demo
demo=build/mingw-x64/demo
run() {
  tools/wine-prefix.sh "$PWD/build/wine-demo"
  echo "Demo game folder: $demo"
  LANG="${DEMO_LANG:-zh_CN.UTF-8}" WINEPREFIX="$PWD/build/wine-demo" WINEDEBUG=-all wine "$demo/Trovane_Config.exe"
}
if [[ -n "${DISPLAY:-}" ]]; then
  run
else
  export -f run
  export demo
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c 'run & sleep 8; import -window root build/demo.png; kill %1' || true
  echo "Screenshot: build/demo.png"
fi
