#!/usr/bin/env bash
# Tells whether this machine can execute 32-bit x86 programs, by starting one
# (32-bit Wine's loader unless PROGRAM is given) with --version. Prints "can"
# or "cannot" and exits 0. Only the kernel's refusal of the executable format
# means "cannot"; any other failure is reported and exits non-zero, so that a
# broken install is never mistaken for a machine without 32-bit support.
#
#   scripts/can-run-32bit.sh [PROGRAM]
set -uo pipefail
program="${1:-/usr/lib/wine/wine}"

output=$(LC_ALL=C "$program" --version 2>&1)
status=$?
if ((status == 0)); then
    echo can
elif ((status == 126)) && [[ "$output" == *"Exec format error"* ]]; then
    echo cannot
else
    echo "can-run-32bit: $program failed with status $status: $output" >&2
    exit 1
fi
