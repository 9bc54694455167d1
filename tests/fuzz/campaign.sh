#!/usr/bin/env bash
# A long fuzzing campaign: every target for the given number of executions (default ten
# million), two at a time, from the seeds plus what earlier campaigns found. Needs the fuzz
# build that ./test.sh makes in build-fuzz/. Findings are written as crash-* files here.
# Usage: tests/fuzz/campaign.sh [executions]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${1:-10000000}
cd "$root/build-fuzz"
run() {
  mkdir -p "corpus/$1"
  QT_QPA_PLATFORM=offscreen "tests/fuzz/$1" -runs="$runs" -max_len=4096 -print_final_stats=1 \
    "corpus/$1" "$root/tests/fuzz/corpus/$1" >"$1.log" 2>&1 \
    && echo "$1: $(grep -E '^stat::number_of_executed_units' "$1.log" | awk '{print $2}') executions, no finding" \
    || echo "$1: FINDING, see build-fuzz/$1.log"
}
(run fuzz_number_text; run fuzz_calculation; run fuzz_settings) &
run fuzz_picture
wait
