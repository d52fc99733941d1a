#!/usr/bin/env sh
# Runs a link command with SOURCE_DATE_EPOCH set to the release's time, read from the file
# that the build writes (cmake/release_epoch.cmake), so that the linker stamps the program
# with it; with the file empty, the linker's own time.
#   tools/link-at-release-time.sh EPOCH_FILE LINK_COMMAND...
epoch="$(cat "$1" 2>/dev/null)"
shift
if [ -n "$epoch" ]; then
  export SOURCE_DATE_EPOCH="$epoch"
fi
exec "$@"
