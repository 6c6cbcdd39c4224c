# Runs the host on one or more scripts against one fresh profile folder and
# compares the transcript (output, errors and exit codes, in order) with a
# checked-in golden file, byte for byte.
#
#   cmake -DHOST=... -DLIBRARY=... -DPROFILE=... -DSCRIPTS=a.qvs|b.qvs
#         -DGOLDEN=expected.txt -DACTUAL=actual.txt [-DSEED=store.cfg]
#         [-DARGS=--trace] [-DSUBSTITUTE=path=>token|...] [-DEMULATOR=wine]
#         -P run_session.cmake
#
# Lists are separated by '|', which survives being passed through a test's
# command line. A script "-" runs the host with no script and no input.
# SEED is copied into the profile as relayvo.cfg before the first run. Paths
# that differ between machines are replaced by tokens: the library by
# <library>, the profile by <profile>, and any pair given in SUBSTITUTE.
# With the environment variable UPDATE_GOLDEN set, the golden file is
# rewritten instead of compared.

foreach(required HOST LIBRARY PROFILE SCRIPTS GOLDEN ACTUAL)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "run_session.cmake needs -D${required}=...")
    endif()
endforeach()

foreach(list_name SCRIPTS ARGS SUBSTITUTE EMULATOR)
    string(REPLACE "|" ";" ${list_name} "${${list_name}}")
endforeach()

file(REMOVE_RECURSE "${PROFILE}")
file(MAKE_DIRECTORY "${PROFILE}")
if(DEFINED SEED AND NOT SEED STREQUAL "")
    file(COPY_FILE "${SEED}" "${PROFILE}/relayvo.cfg")
endif()

set(transcript "")
list(LENGTH SCRIPTS runs)
set(run 0)
foreach(script IN LISTS SCRIPTS)
    math(EXPR run "${run} + 1")
    if(runs GREATER 1)
        get_filename_component(name "${script}" NAME)
        string(APPEND transcript "== run ${run}: ${name} ==\n")
    endif()
    set(command ${EMULATOR} "${HOST}" --library "${LIBRARY}" --profile "${PROFILE}")
    if(NOT script STREQUAL "-")
        list(APPEND command --script "${script}")
    endif()
    execute_process(
        COMMAND ${command} ${ARGS}
        INPUT_FILE /dev/null
        OUTPUT_VARIABLE output
        ERROR_VARIABLE output
        RESULT_VARIABLE code)
    string(APPEND transcript "${output}[exit ${code}]\n")
endforeach()

string(REPLACE "${LIBRARY}" "<library>" transcript "${transcript}")
string(REPLACE "${PROFILE}" "<profile>" transcript "${transcript}")
foreach(pair IN LISTS SUBSTITUTE)
    string(REPLACE "=>" ";" parts "${pair}")
    list(GET parts 0 from)
    list(GET parts 1 to)
    string(REPLACE "${from}" "${to}" transcript "${transcript}")
endforeach()

if(DEFINED ENV{UPDATE_GOLDEN})
    file(WRITE "${GOLDEN}" "${transcript}")
    message(STATUS "rewrote ${GOLDEN}")
    return()
endif()

file(WRITE "${ACTUAL}" "${transcript}")
file(READ "${GOLDEN}" expected)
if(NOT transcript STREQUAL expected)
    execute_process(COMMAND diff -u "${GOLDEN}" "${ACTUAL}" OUTPUT_VARIABLE difference)
    message(FATAL_ERROR "The transcript differs from ${GOLDEN}:\n${difference}")
endif()
