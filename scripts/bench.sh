#!/usr/bin/env bash
# Builds the bench preset (a shipped build), runs the benchmarks with
# repetitions in random order, counts with callgrind the instructions of one
# start-up on the lean host on each side, and writes the table of medians and
# the component's own instructions per playlist into the README's benchmark
# section. BENCH_REPETITIONS overrides the repetitions.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset bench >/dev/null
cmake --build --preset bench -j2 --target relayvo_bench startup_instructions

# Instructions are exact where times are not: callgrind counts those of
# bench::announce_all alone, and keeps each profile for callgrind_annotate.
instructions=build/bench/instructions.json
echo "{" >"$instructions"
for side in component plain floor; do
    count=$(valgrind --tool=callgrind --toggle-collect='*announce_all*' \
                --callgrind-out-file="build/bench/callgrind.$side.out" \
                build/bench/bench/startup_instructions "$side" 2>&1 |
            sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p')
    [ -n "$count" ] || { echo "callgrind counted nothing for $side" >&2; exit 1; }
    separator=$([ "$side" = floor ] && echo "" || echo ",")
    echo "  \"$side\": $count$separator" >>"$instructions"
done
echo "}" >>"$instructions"

results=build/bench/results.json
build/bench/bench/relayvo_bench \
    --benchmark_repetitions="${BENCH_REPETITIONS:-9}" \
    --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true \
    --benchmark_min_time=0.2 \
    --benchmark_out="$results" --benchmark_out_format=json
scripts/bench-table.py "$results" "$instructions" README.md
