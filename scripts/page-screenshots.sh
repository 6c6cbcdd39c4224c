#!/usr/bin/env bash
# Saves pictures of the preferences page, as the 32-bit DLL shows it in a real
# window under Wine on a virtual X server: docs/settings-page.png with the
# default settings and docs/settings-page-all-on.png with every option on.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows
source scripts/wine-env.sh

cmake --preset windows >/dev/null
cmake --build --preset windows --target relayvo page_snapshot -j2
bin=build/windows/bin
xvfb-run -a -s "-screen 0 1024x768x24" wine "$bin/page_snapshot.exe" "$bin/relayvo.dll" docs/settings-page.png
xvfb-run -a -s "-screen 0 1024x768x24" wine "$bin/page_snapshot.exe" "$bin/relayvo.dll" docs/settings-page-all-on.png --all-on
scripts/recompress-png.py docs/settings-page.png docs/settings-page-all-on.png
echo "saved docs/settings-page.png and docs/settings-page-all-on.png"
