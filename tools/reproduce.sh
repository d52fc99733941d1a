#!/usr/bin/env bash
# Builds the player's release of the commit checked out (and the 64-bit program) twice,
# from two clones in two temporary folders, one after the other (as another user too, where
# this runs as root), and compares the bytes: names each file that differs, and fails then.
#   tools/reproduce.sh
set -euo pipefail
cd "$(dirname "$0")/.."
commit="$(git rev-parse HEAD)"
zip="Trovane_Config-$(cat VERSION)-win32.zip"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
build() { # FOLDER [USER]
  git clone -q "$PWD" "$1"
  git -C "$1" checkout -q "$commit"
  local as=()
  if [[ -n "${2:-}" ]]; then chown -R "$2" "$1"; as=(runuser -u "$2" --); fi
  "${as[@]}" env HOME="$1" bash -c "cd '$1' && cmake --preset mingw-x86 -DTROVANE_TESTS=OFF >/dev/null &&
    cmake --build --preset mingw-x86 --target release >/dev/null &&
    cmake --preset mingw-x64 -DTROVANE_TESTS=OFF >/dev/null && cmake --build --preset mingw-x64 --target Trovane_Config >/dev/null"
}
build "$work/first"
sleep 2 # the second build at another time
if ((EUID == 0)) && id nobody >/dev/null 2>&1; then build "$work/second" nobody; else build "$work/second"; fi
status=0
for file in mingw-x86/bin/Trovane_Config.exe "mingw-x86/$zip" mingw-x86/SHA256SUMS \
  mingw-x64/bin/Trovane_Config.exe; do
  if ! cmp -s "$work/first/build/$file" "$work/second/build/$file"; then
    echo "differs between the two builds: $file"
    status=1
  fi
done
((status == 0)) && echo "Both builds of $commit gave the same release, byte for byte:" && cat "$work/first/build/mingw-x86/SHA256SUMS"
exit "$status"
