#!/usr/bin/env bash
# The house shows its layers: each room of the program includes only from the rooms below
# it, so the toolkit never reaches into the program, input never into the form's core, and
# the code pages and the settings file know no window. The form's and the controls' headers
# bring no device's or assistive software's header.
#   tests/rooms_include_downward.sh SOURCE_DIR
set -euo pipefail
cd "$1"
rooms=(resources errors locale settings forms/platform forms/core forms/accessibility forms/controls forms/input ui app)
rank() { # the place of the room that a project path belongs to, or nothing
  local i
  for i in "${!rooms[@]}"; do [[ "$1" == "${rooms[$i]}"/* ]] && { echo "$i"; return; }; done
}
failed=0
for here in "${!rooms[@]}"; do
  while IFS=: read -r file included; do
    there="$(rank "$included")"
    if [[ -n "$there" && "$there" -gt "$here" ]]; then
      echo "$file includes $included, from a room above its own" >&2
      failed=1
    fi
  done < <(grep -o '#include "[^"]*"' -r "${rooms[$here]}" --include='*.h' --include='*.cpp' |
           sed -E 's/:#include "(.*)"$/:\1/')
done
if grep -l -E '#include <(oleacc|xinput)\.h>' forms/core/*.h forms/controls/*.h; then
  echo "the headers above bring oleacc.h or xinput.h to every user of a form" >&2
  failed=1
fi
if ((failed == 0)); then echo "Every room includes only from the rooms below it."; fi
exit "$failed"
