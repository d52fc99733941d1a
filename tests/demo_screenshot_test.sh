#!/usr/bin/env bash
# The README's demo without a desktop saves a screenshot that shows the settings window,
# not a blank screen.   tests/demo_screenshot_test.sh x86|x64 DEMO_FOLDER SCREENSHOT
set -euo pipefail
tools="$(cd "$(dirname "$0")/../tools" && pwd)"
rm -f "$3"
env -u DISPLAY -u TROVANE_VIRTUAL_DESKTOP "$tools/virtual-desktop.sh" "$tools/demo-run.sh" "$1" "$2" "$3"
colours="$(convert "$3" -format '%k' info:)"
echo "The screenshot has $colours colours."
((colours > 16))
