#!/usr/bin/env bash
# Installs the build and test tools from Debian's packages, only those missing:
# the native toolchain and test libraries, Python for the benchmark table, the
# line editor of the host's prompt and the terminal its test runs in, the JSON
# library its playlists are kept with (header-only, for every build), clang
# with libFuzzer, valgrind, and with --windows also the MinGW cross compilers,
# the linker of the Microsoft-ABI host (lld-link), 32-bit and 64-bit Wine with
# its own fonts (Tahoma, as the page is drawn on Windows) and a virtual X server.
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
if ((${#missing[@]})); then
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    if [[ " ${missing[*]} " == *:i386* ]]; then
        dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    fi
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
