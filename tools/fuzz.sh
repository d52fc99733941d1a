#!/usr/bin/env bash
# Fuzzes the settings file's text engine (IniText) natively, with libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer, starting from the seeds: the project's corpus of settings
# files and every input that ever failed (tests/fuzz/findings). Prints the executions and
# the coverage at the end.
#   tools/fuzz.sh [SECONDS]   builds the native-fuzz preset, runs 600 s by default, and
#                             keeps new interesting inputs in build/fuzz-corpus
#   tools/fuzz.sh --ci SECONDS   the test command's short run (CTest), after its build
# A failing input is written to build/native-fuzz/finding-*; keep it in tests/fuzz/findings
# with its fix.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/native-fuzz
if [[ "${1:-}" == --ci ]]; then
  kept="$(mktemp -d)"
  trap 'rm -rf "$kept"' EXIT
  seconds="$2"
else
  cmake --preset native-fuzz >/dev/null
  cmake --build --preset native-fuzz
  kept=build/fuzz-corpus
  seconds="${1:-600}"
fi
mkdir -p "$kept" "$build/seeds"
"$build/make_corpus" "$build/seeds" >/dev/null
log="$build/fuzz.log"
status=0
# Inputs of up to 4 KiB (the seeds' larger files are cut there) and a short allocation
# history keep the runs fast; leaks are looked for at the end of the run.
ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=2:quarantine_size_mb=8}" \
  "$build/ini_text_fuzz" -max_total_time="$seconds" -max_len=4096 -detect_leaks=0 -timeout=10 \
  -print_final_stats=1 -artifact_prefix="$build/finding-" "$kept" "$build/seeds" tests/fuzz/findings \
  >"$log" 2>&1 || status=$?
grep -E 'FINDING|ERROR|SUMMARY' "$log" | head -20 || true
executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | tail -1 | awk '{print $2}')
coverage=$(grep -o 'cov: [0-9]*' "$log" | awk '{print $2}' | sort -n | tail -1)
echo "Fuzzed the settings file's text engine for ${seconds} s: ${executions:-0} executions, coverage ${coverage:-0} edges."
exit "$status"
