#!/usr/bin/env bash
# Installs the Debian packages that building, the demo and the tests need (32-bit Wine
# among them, for the player's 32-bit build; clang with libFuzzer for the native fuzz
# build of the settings file's text engine; debootstrap for the test command's Debian 13
# root), and the Chinese locales that Wine needs for Chinese file names and texts. Runs as
# root, or as a user with sudo, on Debian 12 or 13: every package named here has this name
# in both.
#   tools/install-deps.sh              everything
#   tools/install-deps.sh --to-run     only what running the built tests needs
set -euo pipefail
as_root() { if ((EUID == 0)); then "$@"; else sudo "$@"; fi; }
to_run=(cmake wine wine64 wine32:i386 xvfb xauth openbox locales fonts-wqy-microhei fonts-droid-fallback
        fonts-dejavu-core python3 osslsigncode openssl unzip imagemagick xdotool)
to_build=(make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix clang libclang-rt-dev libstb-dev googletest
          python3-fonttools debootstrap)
packages=("${to_run[@]}")
[[ "${1:-}" == --to-run ]] || packages+=("${to_build[@]}")
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
  dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
  as_root apt-get update
  # The downloaded packages are deleted once installed: Wine's alone take 1.8 GB of disk.
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    -o APT::Keep-Downloaded-Packages=false "${missing[@]}"
fi
for locale in zh_CN.UTF-8 zh_TW.UTF-8; do
  if ! locale -a | grep -qi "^${locale%%.*}\.utf-\?8$"; then
    as_root sed -i -E "s/^# *(${locale} UTF-8)/\1/" /etc/locale.gen
    grep -q "^${locale} UTF-8" /etc/locale.gen || echo "${locale} UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    need_generate=1
  fi
done
if [[ -n "${need_generate:-}" ]]; then as_root locale-gen >/dev/null; fi
