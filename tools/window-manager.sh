#!/usr/bin/env bash
# Starts or stops a window manager on the X display, as every player has one.
#   tools/window-manager.sh start|stop PIDFILE
# It runs in the background with no standard handles, so a test runner does not wait
# for it; stop ends that one process, by its id.
set -euo pipefail
pidfile="$2"
case "$1" in
start)
  ready="$pidfile.ready"
  rm -f "$ready"
  openbox --startup "touch $ready" >/dev/null 2>&1 </dev/null &
  echo $! >"$pidfile"
  for _ in $(seq 1 100); do [[ -f "$ready" ]] && exit 0; sleep 0.1; done
  echo "the window manager did not start" >&2
  exit 1
  ;;
stop)
  [[ -f "$pidfile" ]] && kill "$(cat "$pidfile")" 2>/dev/null || true
  rm -f "$pidfile" "$pidfile.ready"
  ;;
esac
