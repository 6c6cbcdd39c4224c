#!/usr/bin/env bash
# Builds and runs every test: the native build, the same under ASan+UBSan, and
# the 32-bit Windows build under Wine (its windows on a virtual X server).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows

for preset in default asan; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j2
    ctest --preset "$preset" -j2
done

echo "== windows"
source scripts/wine-env.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j2
xvfb-run -a ctest --preset windows -j2
(cd build/windows && cpack >/dev/null && echo "packaged build/windows/relayvo-0.3.2-win32.zip")
