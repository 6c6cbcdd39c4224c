# The library's dynamic symbol table holds exactly one defined symbol: the export.
#   cmake -DNM=nm -DLIBRARY=librelayvo.so -P exports.cmake
execute_process(COMMAND ${NM} -D --defined-only --format=posix ${LIBRARY}
                OUTPUT_VARIABLE table RESULT_VARIABLE code)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "${NM} could not read ${LIBRARY}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${table}")
set(names "")
foreach(line IN LISTS lines)
    string(REGEX REPLACE " .*" "" name "${line}")
    list(APPEND names ${name})
endforeach()
if(NOT names STREQUAL "quorvel_get_interface")
    message(FATAL_ERROR "exported: ${names}; expected only quorvel_get_interface")
endif()
message(STATUS "exported: ${names}")
