# The DLL users install, for a Windows build tree whose compilers have the
# posix thread model. The same sources are built again, in <tree>/shipped, by
# the compilers of the win32 model: the component starts no thread, so the DLL
# links no pthread library and imports nothing that the oldest Windows of its
# bitness lacks. The build copies it into the tree's bin folder, beside
# utf8api.dll, and `relayvo` names it there for every test and program that
# loads it; the tree's own objects of the component serve the unit tests.
include(ExternalProject)
set(shipped_dll ${CMAKE_BINARY_DIR}/bin/relayvo.dll)
ExternalProject_Add(relayvo_shipped
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/shipped
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
               -DMINGW_THREADS=win32
               -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
               -DCMAKE_INTERPROCEDURAL_OPTIMIZATION=${CMAKE_INTERPROCEDURAL_OPTIMIZATION}
               -DRELAYVO_TESTS=OFF
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target relayvo
    BUILD_ALWAYS ON
    INSTALL_COMMAND ${CMAKE_COMMAND} -E copy_if_different <BINARY_DIR>/bin/relayvo.dll
                    ${shipped_dll})
add_library(relayvo MODULE IMPORTED GLOBAL)
set_target_properties(relayvo PROPERTIES IMPORTED_LOCATION ${shipped_dll})
add_dependencies(relayvo relayvo_shipped)

# relayvo-VERSION-win32.zip or -win64.zip: the DLL as a user installs it,
# with its instructions for a host of the same bitness and the oldest Windows
# it runs on.
math(EXPR RELAYVO_HOST_BITS "${CMAKE_SIZEOF_VOID_P} * 8")
configure_file(packaging/INSTALL.txt.in INSTALL.txt @ONLY)
install(FILES ${shipped_dll} ${CMAKE_CURRENT_BINARY_DIR}/INSTALL.txt DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME relayvo-${PROJECT_VERSION}-win${RELAYVO_HOST_BITS})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
