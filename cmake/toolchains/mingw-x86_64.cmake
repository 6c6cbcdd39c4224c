# 64-bit Windows, for 64-bit hosts; tests run under 64-bit Wine (the loader of
# Debian's wine64 package, which needs no 32-bit support from the kernel). The
# oldest Windows it supports is the first for x86-64, XP x64 and Server 2003.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
set(WINE_LOADER /usr/lib/wine/wine64)
set(OLDEST_WINDOWS "Windows XP Professional x64 Edition or Windows Server 2003")
set(OLDEST_WINDOWS_VERSION 5.2)
set(OLDEST_PROCESSOR "any x86-64 processor")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
