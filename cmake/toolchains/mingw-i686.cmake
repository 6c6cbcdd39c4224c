# 32-bit Windows, for 32-bit hosts; tests run under 32-bit Wine. The oldest
# Windows it supports is XP, whose every function it imports, and the oldest
# processor the Pentium Pro, the compiler's default (i686) and the floor of
# MinGW's prebuilt runtime, which uses its cmov.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_TRIPLET i686-w64-mingw32)
set(WINE_LOADER /usr/lib/wine/wine)
set(OLDEST_WINDOWS "Windows XP")
set(OLDEST_WINDOWS_VERSION 5.1)
set(OLDEST_PROCESSOR "a Pentium Pro or any later x86 processor")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
