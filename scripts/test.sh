#!/usr/bin/env bash
# Builds and runs every test: the native build, the same under ASan+UBSan, a
# long demo session under valgrind, the fuzzers for a few seconds each, the
# 64-bit Windows build under 64-bit Wine, and the 32-bit Windows build under
# 32-bit Wine where this machine can execute 32-bit programs (elsewhere it is
# still built and packaged, and its image checked). Each Windows stage runs the
# Microsoft-ABI host on its DLL among its tests. Wine shows its windows on a
# virtual X server. Exits 0 only when everything that ran passed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows

# native <preset>: builds the preset and runs its tests.
native() {
    echo "== $1"
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j2
    ctest --preset "$1" -j2
}

# windows <preset> [run]: cross-builds the preset and packages its DLL; with
# "run", runs its tests under the Wine of its bitness first. Wine's own loader
# now and then aborts a program that has already passed, while it exits
# ("Inconsistency detected by ld.so: dl-fini.c"), so a failed test gets one
# more run; a test that fails twice fails the stage.
windows() {
    echo "== $1"
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j2
    if [ "${2:-}" = run ]; then
        (source scripts/wine-env.sh "$1" && xvfb-run -a ctest --preset "$1" -j2 --repeat until-pass:2)
    fi
    (cd "build/$1" && cpack | sed -n 's/^CPack: - package: \(.*\) generated\.$/packaged \1/p')
}

native default
native asan
scripts/valgrind-demo.sh
scripts/fuzz.sh --smoke
windows windows64 run
# Without 32-bit Wine (its packages could not be installed) nothing can tell
# whether this machine runs 32-bit programs: those tests are skipped, and said so.
if [ -x /usr/lib/wine/wine ]; then
    can_run_32bit=$(scripts/can-run-32bit.sh)
    why="this machine's kernel refuses 32-bit programs (Exec format error)"
else
    can_run_32bit=cannot
    why="32-bit Wine (wine32:i386) is not installed, as install-deps said above"
fi
if [ "$can_run_32bit" = can ]; then
    windows windows run
else
    windows windows
    # Its code is read by MinGW's disassembler, which needs no Wine (ctest
    # would: it lists the tree's test programs by running them).
    echo "== the 32-bit DLL's code, read by MinGW's disassembler"
    cmake -DOBJDUMP="$(sed -n 's/^CMAKE_OBJDUMP:FILEPATH=//p' build/windows/CMakeCache.txt)" \
          -DDLL=build/windows/bin/relayvo.dll -DBITS=32 -P tests/windows/dll_code.cmake
fi

echo "== both DLL images, read by the native build"
build/default/tests/windows/dll_image_test \
    win32=build/windows/bin/relayvo.dll win64=build/windows64/bin/relayvo.dll

if [ "$can_run_32bit" = cannot ]; then
    echo "SKIPPED the 32-bit Windows tests, the Microsoft-ABI host's thiscall run among them:" \
         "$why; the 32-bit DLL and that host were built, the DLL packaged and its image" \
         "and code checked."
fi
