#!/usr/bin/env bash
# Builds the component and loads it the way the host does, printing what it publishes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset default >/dev/null
cmake --build --preset default -j2
build/default/host/relayvo-probe
