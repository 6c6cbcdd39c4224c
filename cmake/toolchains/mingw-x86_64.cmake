# 64-bit Windows, for 64-bit hosts; tests run under 64-bit Wine (the loader of
# Debian's wine64 package, which needs no 32-bit support from the kernel).
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
set(WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
