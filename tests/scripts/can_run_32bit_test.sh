#!/usr/bin/env bash
# The 32-bit probe against a program of each kind: one the kernel refuses as
# an unknown executable format, one that starts and fails, one that is missing,
# and one that works. Only the first may read as "cannot".
set -uo pipefail
probe="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0

# An ELF header for machine 0 (none): the kernel answers ENOEXEC.
printf '\177ELF\2\1\1\0\0\0\0\0\0\0\0\0\2\0\0\0\1\0\0\0' > "$dir/unknown-machine"
head -c 40 /dev/zero >> "$dir/unknown-machine"
printf '#!/bin/sh\necho "broken install" >&2\nexit 126\n' > "$dir/failing"
printf '#!/bin/sh\necho "version 1"\n' > "$dir/working"
chmod +x "$dir/unknown-machine" "$dir/failing" "$dir/working"

# expect <program> <status> <output>
expect() {
    local output status
    output=$("$probe" "$1" 2>/dev/null)
    status=$?
    if [ "$status" != "$2" ] || [ "$output" != "$3" ]; then
        echo "FAIL: $1 gave status $status and \"$output\", expected $2 and \"$3\""
        failures=$((failures + 1))
    fi
}
expect "$dir/unknown-machine" 0 cannot
expect "$dir/failing" 1 ""
expect "$dir/missing" 1 ""
expect "$dir/working" 0 can
exit $((failures > 0))
