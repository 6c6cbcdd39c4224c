# Sourced: a Wine prefix of the project's own, prepared once (its first start
# takes a while), and Wine's debug chatter off.
export WINEPREFIX="${WINEPREFIX:-$PWD/build/wine}"
export WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "preparing the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver --wait
fi
