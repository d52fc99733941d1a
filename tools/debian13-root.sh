#!/usr/bin/env bash
# Runs a command under Debian 13 (Wine 10, what players' Proton and today's Debian run) on an
# older Debian machine, in a root that it makes from Debian's packages with debootstrap and
# keeps in build/debian13 for later runs:
#   tools/debian13-root.sh COMMAND [ARGUMENTS...]
# The command runs as the calling user, in this source tree, mounted at the same path, with
# the machine's /tmp (so that X displays are numbered apart) and build/wine10-prefixes in
# place of build/wine-prefixes, so that each Wine keeps prefixes of its own. The mounts live
# in a mount namespace of the command's own and go with it. DEBIAN_MIRROR names the mirror.
# Runs as root, or as a user with sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
source="$PWD"
root="$source/build/debian13"
as_root() { if ((EUID == 0)); then "$@"; else sudo "$@"; fi; }

# In a namespace of its own: the mounts, then the command in the root as USER.
#   enter ROOT SOURCE USER COMMAND...
enter() {
  local root="$1" source="$2" user="$3"
  shift 3
  mount -t proc proc "$root/proc"
  mount --rbind /sys "$root/sys"
  mount --rbind /dev "$root/dev"
  mount --bind /tmp "$root/tmp"
  mkdir -p "$root$source"
  mount --bind "$source" "$root$source"
  mount --bind "$source/build/wine10-prefixes" "$root$source/build/wine-prefixes"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  exec chroot --userspec="$user" "$root" env HOME="$source/build/debian13-home" bash -c 'cd "$1" && shift && exec "$@"' \
    bash "$source" "$@"
}
in_root() { # USER COMMAND...
  as_root unshare --mount --propagation private bash -c "$(declare -f enter); enter \"\$@\"" bash "$root" "$source" "$@"
}

mkdir -p build/wine-prefixes build/wine10-prefixes build/debian13-home
if [[ ! -f "$root/.ready" ]]; then # made anew when a run was cut short
  if grep -q " $root/" /proc/self/mountinfo; then
    echo "tools/debian13-root.sh: something is mounted in $root; unmount it first" >&2
    exit 1
  fi
  as_root rm -rf "$root"
  echo "Making a Debian 13 root in $root from Debian's packages (a few minutes)"
  as_root debootstrap --variant=minbase trixie "$root" "${DEBIAN_MIRROR:-http://deb.debian.org/debian}" >/dev/null
  in_root 0:0 tools/install-deps.sh --to-run
  as_root touch "$root/.ready"
fi
in_root "$(id -u):$(id -g)" "$@"
