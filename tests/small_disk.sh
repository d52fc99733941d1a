#!/usr/bin/env bash
# Mounts, or unmounts, a small tmpfs for the tests that save on a full disk. Mounting
# needs root; where it is not allowed those tests say they were skipped.
#   tests/small_disk.sh mount|unmount FOLDER
set -uo pipefail
folder="$2"
case "$1" in
mount)
  mkdir -p "$folder"
  mountpoint -q "$folder" && umount "$folder"
  if mount -t tmpfs -o size=2m tmpfs "$folder" 2>/dev/null; then
    touch "$folder/mounted"
  else
    echo "Could not mount a tmpfs here: the full-disk tests will be skipped."
  fi
  ;;
unmount)
  mountpoint -q "$folder" && umount "$folder"
  rmdir "$folder" 2>/dev/null || true
  ;;
esac
exit 0
