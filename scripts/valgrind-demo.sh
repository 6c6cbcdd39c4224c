#!/usr/bin/env bash
# Runs the demo session under valgrind's memcheck ROUNDS times (default 10),
# each in a fresh profile and then once more over the profile it saved, so
# that loads, rebuilds, sends, the page, saves and a stored blob all run under
# memcheck. Any memory error, any leak, or a failed line of the demo fails the
# run.
#
#   scripts/valgrind-demo.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-10}"

cmake --preset default >/dev/null
cmake --build --preset default -j2 --target quorvel-host relayvo

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
echo "== valgrind: the demo, $rounds rounds"
for ((round = 1; round <= rounds; ++round)); do
    rm -rf "$work/profile"
    for pass in fresh stored; do
        if ! valgrind --quiet --error-exitcode=99 --leak-check=full \
            --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
            build/default/host/quorvel-host --profile "$work/profile" --script examples/demo.qvs \
            >"$work/transcript.txt" 2>"$work/errors.txt"; then
            cat "$work/errors.txt"
            echo "valgrind: round $round ($pass profile) failed"
            exit 1
        fi
    done
done
echo "valgrind: $rounds rounds of the demo, each with a fresh and a stored profile, no error"
