#!/usr/bin/env bash
# Configures and builds each preset in its build folder, and times each in the test
# command's summary:   tools/build.sh PRESET...
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/summary.sh
build() { cmake --preset "$1" && cmake --build --preset "$1"; }
for preset in "$@"; do
  timed "building $preset on $this_debian" build "$preset"
done
