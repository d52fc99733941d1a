#!/usr/bin/env bash
# Installs the Debian packages that building, the demo and the tests need, and the
# Chinese locales that Wine needs for Chinese file names and texts.
set -euo pipefail
packages=(cmake make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 xvfb xauth
          googletest locales fonts-wqy-microhei imagemagick xdotool)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
for locale in zh_CN.UTF-8 zh_TW.UTF-8; do
  if ! locale -a | grep -qi "^${locale%%.*}\.utf-\?8$"; then
    sed -i -E "s/^# *(${locale} UTF-8)/\1/" /etc/locale.gen
    grep -q "^${locale} UTF-8" /etc/locale.gen || echo "${locale} UTF-8" >>/etc/locale.gen
    need_generate=1
  fi
done
if [[ -n "${need_generate:-}" ]]; then locale-gen >/dev/null; fi
