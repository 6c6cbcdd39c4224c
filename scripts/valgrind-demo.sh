#!/usr/bin/env bash
# A long run of the demo under valgrind's memcheck: the stand-in host plays
# examples/demo.qvs, then ROUNDS more rounds (default 40) in the same session,
# each creating a playlist, sending tracks to it from the context menu with the
# page's options switched, reordering, removing it and restarting the
# component, which saves the settings and reads them back from the store. Any
# memory error, any leak, or a failed line fails the run.
#
#   scripts/valgrind-demo.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-40}"

cmake --preset default >/dev/null
cmake --build --preset default -j2 --target quorvel-host relayvo

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
{
    cat examples/demo.qvs
    echo "remove 3"
    echo "remove 2"
    for ((round = 1; round <= rounds; ++round)); do
        printf '%s\n' "new Round $round" "activate 1" "add a b c" "select all" "page" \
            "click 1018" "click 1019" "click 1020" "click 1023" "menu" "invoke #1" \
            "shortcuts" "move 2 1" "remove 1" "restart"
    done
} >"$work/long.qvs"

# Runs the host on script $1 under memcheck; stops on any error, naming it $2.
memcheck() {
    if ! valgrind --quiet --error-exitcode=99 --leak-check=full \
        --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
        build/default/host/quorvel-host --profile "$work/profile" --script "$1" \
        >"$work/transcript.txt" 2>"$work/errors.txt"; then
        tail -n 60 "$work/errors.txt"
        echo "valgrind: $2 failed"
        exit 1
    fi
}

echo "== valgrind: the demo and $rounds more rounds"
memcheck "$work/long.qvs" "the long session"
echo "valgrind: no memory error, no leak, every line ran"
