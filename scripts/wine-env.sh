# Sourced with the name of a Windows preset (windows or windows64): exports
# WINELOADER, the Wine of that preset's bitness, and WINEPREFIX, a prefix of
# that flavour's own (the folder the preset's tests use), prepared once since
# its first start takes a while. Wine's debug chatter is off.
case "$1" in
    windows) export WINELOADER=/usr/lib/wine/wine WINEPREFIX="$PWD/build/wine32" ;;
    windows64) export WINELOADER=/usr/lib/wine/wine64 WINEPREFIX="$PWD/build/wine64" ;;
    *) echo "wine-env.sh: no Wine for preset '$1'" >&2; return 1 ;;
esac
export WINEDEBUG=-all
# A prefix is ready once its system files are in place; one left half made
# is made again.
ready="$WINEPREFIX/drive_c/windows/system32/kernel32.dll"
if [ ! -f "$ready" ]; then
    echo "preparing the Wine prefix $WINEPREFIX"
    # A server still running for an earlier prefix at this path would answer
    # for the new one, which then never gets its system files.
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX" && mkdir -p "$WINEPREFIX"
    "$WINELOADER" wineboot --init >/dev/null
    wineserver --wait
    if [ ! -f "$ready" ]; then
        echo "wine-env.sh: Wine could not prepare $WINEPREFIX" >&2
        return 1
    fi
fi
