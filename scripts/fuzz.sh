#!/usr/bin/env bash
# Builds the fuzz preset and runs the libFuzzer targets.
#
#   scripts/fuzz.sh [TARGET] [SECONDS]  fuzz TARGET (default: every target) for
#                                       SECONDS each (default 600)
#   scripts/fuzz.sh --smoke             what the test command runs: replay each
#                                       checked-in corpus, then fuzz each target
#                                       for a few seconds
#
# The targets: config (the configuration reader and writer), format (the
# formatter), event (event sequences against a model), store (the host's store
# reader) and script (the host's command language).
#
# Each target grows its working corpus in build/fuzz/corpus/TARGET, starting
# from the checked-in seeds in fuzz/corpus/TARGET. A finding is written to
# build/fuzz/findings/ and stops the run with a non-zero status; copy it into
# fuzz/corpus/TARGET once fixed, so that every later run replays it.
set -euo pipefail
cd "$(dirname "$0")/.."

targets=(config format event store script)
smoke=false
if [ "${1:-}" = "--smoke" ]; then
    smoke=true
    seconds=4
else
    if [ -n "${1:-}" ]; then
        [[ " ${targets[*]} " == *" $1 "* ]] || { echo "fuzz.sh: no target $1 (${targets[*]})"; exit 2; }
        targets=("$1")
    fi
    seconds="${2:-600}"
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 --target "${targets[@]/%/_fuzzer}"

# Runs a fuzzer with its output in a log; shows the log's end on a finding.
run_quietly() {
    local target="$1" log="build/fuzz/findings/$1.log"
    shift
    if ! "$@" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz $target: finding, see $log"
        return 1
    fi
    grep -E '^stat::number_of_executed_units' "$log" | sed "s/^/  /"
}

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p build/fuzz/findings
for target in "${targets[@]}"; do
    fuzzer="build/fuzz/fuzz/${target}_fuzzer"
    seeds="fuzz/corpus/$target"
    work="build/fuzz/corpus/$target"
    mkdir -p "$work"
    options=(-timeout=10 -rss_limit_mb=2048 -print_final_stats=1
             "-artifact_prefix=build/fuzz/findings/$target-")
    # A run costs in proportion to its input. A dozen lines of script already
    # pair every verb with every other, and a real store is under 200 bytes.
    case "$target" in
        script) options+=(-max_len=256) ;;
        store) options+=(-max_len=512) ;;
    esac
    if $smoke; then
        echo "== fuzz $target: replay $(ls "$seeds" | wc -l) corpus files, then fuzz ${seconds}s"
        run_quietly "$target" "$fuzzer" "${options[@]}" -runs=0 "$seeds"
        run_quietly "$target" "$fuzzer" "${options[@]}" -max_total_time="$seconds" "$work" "$seeds"
    else
        echo "== fuzz $target for ${seconds}s"
        "$fuzzer" "${options[@]}" -max_total_time="$seconds" "$work" "$seeds"
    fi
done
