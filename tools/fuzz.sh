#!/usr/bin/env bash
# Fuzzes the settings file's text engine (IniText) natively, with libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer, starting from the seeds: the project's corpus of settings
# files and every input that ever failed (tests/fuzz/findings). Prints the executions and
# the coverage at the end.
#   tools/fuzz.sh [SECONDS]   builds the native-fuzz preset, runs 600 s by default, and
#                             keeps new interesting inputs in build/fuzz-corpus
#   tools/fuzz.sh --ci RUNS   the test command's run (CTest), after its build: replays every
#                             seed and finding once, then fuzzes for RUNS executions from a
#                             fixed random seed, so that a run can be repeated exactly
# A failing input is written to build/native-fuzz/finding-*; keep it in tests/fuzz/findings
# with its fix.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/native-fuzz
if [[ "${1:-}" == --ci ]]; then
  kept="$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)" # in memory where it can be: a new input is a file
  trap 'rm -rf "$kept"' EXIT
  budget=(-runs="$2" -seed=1)
  said="$2 executions from seed 1"
else
  cmake --preset native-fuzz >/dev/null
  cmake --build --preset native-fuzz
  kept=build/fuzz-corpus
  budget=(-max_total_time="${1:-600}")
  said="${1:-600} s"
fi
mkdir -p "$kept" "$build/seeds"
"$build/make_corpus" "$build/seeds" >/dev/null
log="$build/fuzz.log"
status=0
options=(-max_len=4096 -dict=tests/fuzz/ini_text.dict -detect_leaks=0 -timeout=10 -artifact_prefix="$build/finding-")
# Inputs of up to 4 KiB (the seeds' larger files are cut there) and a short allocation
# history keep the runs fast; leaks are looked for at the end of the run. The dictionary
# gives the mutations the file's syntax and names.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=2:quarantine_size_mb=8}"
if [[ "${1:-}" == --ci ]]; then # every seed and finding once, the same every time
  "$build/ini_text_fuzz" -runs=0 "${options[@]}" "$build/seeds" tests/fuzz/findings >"$log" 2>&1 || status=$?
  grep -E 'FINDING|ERROR|SUMMARY' "$log" | head -20 || true
  echo "Replayed the $(find "$build/seeds" tests/fuzz/findings -type f | wc -l) seeds and findings: exit status $status."
  ((status == 0)) || exit "$status"
fi
"$build/ini_text_fuzz" "${budget[@]}" "${options[@]}" -print_final_stats=1 "$kept" "$build/seeds" tests/fuzz/findings \
  >"$log" 2>&1 || status=$?
grep -E 'FINDING|ERROR|SUMMARY' "$log" | head -20 || true
executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | tail -1 | awk '{print $2}')
coverage=$(grep -o 'cov: [0-9]*' "$log" | awk '{print $2}' | sort -n | tail -1)
echo "Fuzzed the settings file's text engine for ${said}: ${executions:-0} executions, coverage ${coverage:-0} edges."
exit "$status"
