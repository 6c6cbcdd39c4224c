#!/usr/bin/env bash
# Installs the build and test tools from Debian's packages, only those missing:
# the native toolchain and test libraries, Python for the benchmark table, the
# line editor of the host's prompt and the terminal its test runs in, the JSON
# library its playlists are kept with (header-only, for every build), clang
# with libFuzzer, valgrind, and with --windows also the MinGW cross compilers,
# the linker of the Microsoft-ABI host (lld-link), 32-bit and 64-bit Wine with
# its own fonts (Tahoma, as the page is drawn on Windows) and a virtual X server.
# While another apt or dpkg holds the package lock it waits, up to five
# minutes, and says so. Run by another user than root with packages missing,
# it names them and the command that installs them, and exits 1.
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libgmock-dev googletest libbenchmark-dev python3
          binutils-mingw-w64-i686 libedit-dev tmux nlohmann-json3-dev clang libclang-rt-14-dev
          valgrind)
if [ "${1:-}" = "--windows" ]; then
    packages+=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 lld-14 wine wine32:i386 wine64 fonts-wine
               xvfb xauth)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
((${#missing[@]})) || exit 0

needs_i386=false
if [[ " ${missing[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    needs_i386=true
fi

if [ "$(id -u)" != 0 ]; then
    command="sudo apt-get install -y --no-install-recommends ${missing[*]}"
    if $needs_i386; then
        command="sudo dpkg --add-architecture i386 && sudo apt-get update && $command"
    fi
    echo "install-deps: missing packages: ${missing[*]}; install them as root, then run this again: $command" >&2
    exit 1
fi

wait_limit=300 # seconds, for the package lock

# Runs apt-get with the arguments given, and shows its output only when it
# fails. While another apt or dpkg holds the package lock it waits, saying so
# once, up to $wait_limit seconds.
apt_get() {
    local output held waited=0
    until output=$(apt-get -o DPkg::Lock::Timeout=0 "$@" 2>&1); do
        if ! held=$(grep -o -m1 'Could not get lock .*' <<<"$output"); then
            echo "$output" >&2
            return 1
        fi
        held=$(grep -o 'process [0-9]* ([^)]*)' <<<"$held" || echo "another apt or dpkg")
        if [ "$waited" -ge "$wait_limit" ]; then
            echo "install-deps: the package lock is still held by $held after $((wait_limit / 60)) minutes; run this again when it is done" >&2
            return 1
        fi
        [ "$waited" -gt 0 ] ||
            echo "install-deps: the package lock is held by $held; waiting for it, up to $((wait_limit / 60)) minutes"
        sleep 5
        waited=$((waited + 5))
    done
}

echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$needs_i386 && dpkg --add-architecture i386
# A mirror in the middle of a sync fails the update; the lists already here
# may still hold every package.
apt_get update -qq ||
    echo "install-deps: apt-get update failed (above); installing from the package lists already here"
if ! apt_get install -y -qq --no-install-recommends "${missing[@]}"; then
    # The 32-bit Wine needs the archive's i386 lists to match its amd64 ones;
    # when they do not, everything else is still installed, and the test
    # command says which tests it could not run without it.
    i386=() others=()
    for p in "${missing[@]}"; do
        if [[ "$p" == *:i386 ]]; then i386+=("$p"); else others+=("$p"); fi
    done
    ((${#i386[@]})) || exit 1
    apt_get install -y -qq --no-install-recommends "${others[@]}"
    echo "install-deps: could not install ${i386[*]} (above); the 32-bit Windows tests need it"
fi
