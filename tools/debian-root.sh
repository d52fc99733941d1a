#!/usr/bin/env bash
# Makes a Debian root from Debian's archive alone, and runs a command in one:
#   tools/debian-root.sh make RELEASE ROOT
#   tools/debian-root.sh run ROOT USER [FOLDER:AT ...] -- COMMAND [ARGUMENTS...]
# make runs debootstrap --variant=minbase (DEBIAN_MIRROR names the mirror). run mounts
# /proc, /sys, /dev and the machine's /tmp (so that X displays are numbered apart) in the
# root, each FOLDER at AT inside it, and runs the command there as USER (uid:gid) in the
# root's /. The mounts and every process started inside live in mount and process
# namespaces of the command's own: however the command ends, they end with it, and no
# mount is ever seen outside, so removing the root can never reach through one.
# Runs as root, or as a user with sudo.
set -euo pipefail
as_root() { if ((EUID == 0)); then "$@"; else sudo "$@"; fi; }

# In the new namespaces: the mounts, then the command.
#   enter ROOT USER FOLDER:AT ... -- COMMAND...
enter() {
  local root="$1" user="$2"
  shift 2
  mount --bind "$root" "$root" # a mount of its own, so that a root inside it can be entered too
  mount -t proc proc "$root/proc"
  mount --rbind /sys "$root/sys"
  mount --rbind /dev "$root/dev"
  mount --bind /tmp "$root/tmp"
  while [[ "$1" != -- ]]; do
    mkdir -p "$root${1#*:}"
    mount --bind "${1%%:*}" "$root${1#*:}"
    shift
  done
  shift
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  exec chroot --userspec="$user" "$root" "$@"
}

case "${1:-}" in
make)
  as_root debootstrap --variant=minbase "$2" "$3" "${DEBIAN_MIRROR:-http://deb.debian.org/debian}" >/dev/null
  ;;
run)
  shift
  # The command is the namespace's first process: when it ends, the kernel ends the rest;
  # and when unshare is ended, it ends the command.
  namespaces=(unshare --mount --propagation private --pid --fork --kill-child)
  ((EUID == 0)) || namespaces=(sudo "${namespaces[@]}")
  exec "${namespaces[@]}" bash -c "$(declare -f enter); enter \"\$@\"" bash "$@"
  ;;
*)
  sed -n '2,11s/^# \{0,1\}//p' "$0" >&2
  exit 2
  ;;
esac
