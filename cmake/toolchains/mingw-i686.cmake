# 32-bit Windows, the DLL users install; tests run under 32-bit Wine. The
# oldest Windows it supports is XP, whose every function it imports.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_TRIPLET i686-w64-mingw32)
set(WINE_LOADER /usr/lib/wine/wine)
set(OLDEST_WINDOWS "Windows XP")
set(OLDEST_WINDOWS_VERSION 5.1)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
