#!/usr/bin/env bash
# No two of the tests' prefixes share a file: Wine rewrites a prefix's system files in place
# (wineboot -u truncates and rewrites its builtin programs and DLLs; CopyFileW opens its target with
# CREATE_ALWAYS), so a file shared with another prefix would change there too. Writes into
# one prefix both ways and checks that the other one's files are as they were.
#   tests/prefixes_share_nothing.sh x86|x64 WRITTEN_PREFIX OTHER_PREFIX
set -euo pipefail
wine=("$(dirname "$0")/../tools/wine.sh" "$1")
written="$2" other="$3"
# Each file of the other prefix's Windows folder with its size and time of change.
files_of_other() { (cd "$other/drive_c/windows" && find . -type f -printf '%p %s %C@\n' | sort); }
# A builtin program of Wine's in the Windows folder, which no file system redirection moves,
# and which every Wine puts there, with or without its 32-bit half.
builtin="$written/drive_c/windows/hh.exe"
before="$(files_of_other)"
builtin_before="$(md5sum <"$builtin")"
WINEPREFIX="$written" "${wine[@]}" cmd /c copy /y 'C:\windows\notepad.exe' 'C:\windows\hh.exe' \
  >/dev/null 2>&1 </dev/null
[[ "$(md5sum <"$builtin")" != "$builtin_before" ]] || { echo "the copy onto hh.exe did not happen" >&2; exit 1; }
WINEPREFIX="$written" "${wine[@]}" wineboot -u >/dev/null 2>&1 </dev/null # returns once it has updated
if ! diff <(echo "$before") <(files_of_other) >&2; then
  echo "writing into $written changed the files above in $other" >&2
  exit 1
fi
echo "A copy onto a system DLL and wineboot -u in one prefix left the other's $(wc -l <<<"$before") files unchanged."
