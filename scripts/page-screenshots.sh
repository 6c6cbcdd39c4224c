#!/usr/bin/env bash
# Saves pictures of the preferences page, as the DLL shows it in a real window
# under Wine on a virtual X server: docs/settings-page.png with the default
# settings and docs/settings-page-all-on.png with every option on. Uses the
# 32-bit DLL users mostly install, or the 64-bit one where this machine cannot
# execute 32-bit programs. Wine draws the dialog in its own Tahoma (Debian's
# fonts-wine), whose dialog base units, 6x13, are those of Tahoma 8 on Windows;
# with a substitute font they would be 7x13 and the page wider.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows
preset=windows
if [ "$(scripts/can-run-32bit.sh)" = cannot ]; then
    preset=windows64
    echo "this machine cannot execute 32-bit programs: using the 64-bit DLL"
fi
source scripts/wine-env.sh "$preset"
# This Wine looks for its own fonts beside its data folder, not where Debian
# installs them, so its Tahoma goes into the prefix's Fonts folder, which it reads.
cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target relayvo_shipped page_snapshot -j2
bin="build/$preset/bin"
snapshot=(xvfb-run -a -s "-screen 0 1024x768x24" "$WINELOADER" "$bin/page_snapshot.exe" "$bin/relayvo.dll")
"${snapshot[@]}" docs/settings-page.png
"${snapshot[@]}" docs/settings-page-all-on.png --all-on
scripts/recompress-png.py docs/settings-page.png docs/settings-page-all-on.png
echo "saved docs/settings-page.png and docs/settings-page-all-on.png"
