#!/usr/bin/env bash
# Runs a command under Debian 13 (Wine 10, what players' Proton and today's Debian run; g++ 14)
# on an older Debian machine, in a root that it makes from Debian's packages with debootstrap
# and keeps in build/debian13 for later runs:
#   tools/debian13-root.sh [COMMAND [ARGUMENTS...]]
# It installs there what building and testing need (tools/install-deps.sh) when it makes the
# root, and when it is given no command, which does only that: the test command starts with
# it, so that a kept root never hides a missing package. The command runs as the calling
# user, in this source tree, mounted at the same path, with the machine's /tmp, and with
# folders of the root's own in place of the build's: build/wine10-prefixes at
# build/wine-prefixes, and build/debian13-mingw-x86 and build/debian13-mingw-x64 at the two
# presets' build folders, so that each Debian keeps its own builds and each Wine its own
# prefixes. Nothing mounted outlives the command (tools/debian-root.sh). Runs as root, or as
# a user with sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
source="$PWD"
root="$source/build/debian13"
as_root() { if ((EUID == 0)); then "$@"; else sudo "$@"; fi; }
source tools/summary.sh

made=0
if [[ ! -f "$root/.ready" ]]; then # made anew when a run was cut short
  as_root rm -rf --one-file-system "$root"
  echo "Making a Debian 13 root in $root from Debian's packages"
  timed "making the Debian 13 root" tools/debian-root.sh make trixie "$root"
  as_root touch "$root/.ready"
  made=1
fi
folders=("$source:$source" "$source/build/wine10-prefixes:$source/build/wine-prefixes")
for preset in mingw-x86 mingw-x64; do
  folders+=("$source/build/debian13-$preset:$source/build/$preset")
done
for folder in "${folders[@]}"; do mkdir -p "${folder%%:*}" "${folder#*:}"; done
mkdir -p build/debian13-home
in_root() { # USER COMMAND...
  local user="$1"
  shift
  tools/debian-root.sh run "$root" "$user" "${folders[@]}" -- \
    env HOME="$source/build/debian13-home" bash -c 'cd "$1" && shift && exec "$@"' bash "$source" "$@"
}
if ((made || $# == 0)); then
  timed "installing packages in the Debian 13 root" in_root 0:0 tools/install-deps.sh
fi
if (($#)); then in_root "$(id -u):$(id -g)" "$@"; fi
