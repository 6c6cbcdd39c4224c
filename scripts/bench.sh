#!/usr/bin/env bash
# Builds the bench preset (a shipped build), runs the benchmarks with
# repetitions in random order, and writes the table of medians into the
# README's benchmark section. BENCH_REPETITIONS overrides the repetitions.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset bench >/dev/null
cmake --build --preset bench -j2 --target relayvo_bench
results=build/bench/results.json
build/bench/bench/relayvo_bench \
    --benchmark_repetitions="${BENCH_REPETITIONS:-9}" \
    --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true \
    --benchmark_min_time=0.2 \
    --benchmark_out="$results" --benchmark_out_format=json
scripts/bench-table.py "$results" README.md
