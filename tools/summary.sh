# The test command's summary: one line for each part that it times and each suite that it
# runs, kept in build/summary.txt, which the test command begins and prints at its end.
# Sourced by the scripts that add to it:
#   timed WHAT COMMAND [ARGUMENTS...]   runs the command and adds "WHAT: its time"
#   summarise LINE                      adds the line
# and names this machine's release as "Debian N" in this_debian.
this_debian="Debian $(. /etc/os-release && echo "${VERSION_ID:-unstable}")"
summary_file="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/summary.txt"

summarise() {
  mkdir -p "$(dirname "$summary_file")"
  echo "$1" >>"$summary_file"
}

# A duration in seconds, as minutes and seconds.
duration() { printf '%d min %02d s' $(($1 / 60)) $(($1 % 60)); }

timed() {
  local what="$1" started=$SECONDS status=0
  shift
  "$@" || status=$?
  summarise "$what: $(duration $((SECONDS - started)))$( ((status == 0)) || echo ", failed (exit status $status)")"
  return "$status"
}
