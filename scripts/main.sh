#!/usr/bin/env bash
# Builds the component and the stand-in host (only what the demo needs; the
# tests are built by scripts/test.sh), then runs the demo session: the road of
# one context-menu command, from the playlists to the settings page and a
# restart, told by examples/demo.qvs. Ends by naming the demo's profile and
# how to open the prompt on it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset default >/dev/null
cmake --build --preset default -j2 --target relayvo utf8api quorvel-host
# The demo starts from a fresh profile itself, so it runs alike every time.
profile=$PWD/build/default/demo-profile
build/default/host/quorvel-host --profile "$profile" --script examples/demo.qvs
echo
echo "The demo's profile is $profile. To open the prompt on it:"
echo "  build/default/host/quorvel-host --profile $(printf %q "$profile")"
echo "and type help for the commands."
