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
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "preparing the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINELOADER" wineboot --init >/dev/null
    wineserver --wait
fi
