# Cross-compiles for Windows with MinGW-w64; test programs run under Wine.
# Included by the toolchain files of each architecture after they set
# MINGW_TRIPLET and WINE_LOADER.
set(CMAKE_SYSTEM_NAME Windows)

# The compilers' thread model: posix for the test programs and the stand-ins
# (Debian's GoogleTest needs std::mutex), win32 for the shipped DLL, which
# starts no thread and so links no pthread library.
if(NOT MINGW_THREADS)
    set(MINGW_THREADS posix)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MINGW_THREADS)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-${MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-${MINGW_THREADS})
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_LOADER})
