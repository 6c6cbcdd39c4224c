#!/usr/bin/env bash
# Builds the component and the stand-in host, then runs the demo session:
# the road of one context-menu command, from the playlists to the settings
# page and a restart, told by examples/demo.qvs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset default >/dev/null
cmake --build --preset default -j2
# The demo starts from a fresh profile itself, so it runs alike every time.
build/default/host/quorvel-host --profile build/default/demo-profile --script examples/demo.qvs
