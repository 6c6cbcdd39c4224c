# Runs the host on one or more scripts against one fresh profile folder and
# compares the transcript (output, errors and exit codes, in order) with a
# checked-in golden file, byte for byte.
#
#   cmake -DHOST=... -DLIBRARY=... -DPROFILE=... -DSCRIPTS=a.qvs|b.qvs
#         -DGOLDEN=expected.txt -DACTUAL=actual.txt -DVERSION=1.2.3
#         [-DSEED=store.cfg] [-DARGS=--trace] [-DSUBSTITUTE=path=>token|...]
#         [-DPLATFORM_SHOWS=golden text=>text here|...] [-DEMULATOR=wine]
#         -P run_session.cmake
#
# Lists are separated by '|', which survives being passed through a test's
# command line. A script "-" runs the host with no script and no input; one
# written "<FILE" is fed to it on standard input instead of named by --script.
# SEED is copied into the profile as relayvo.cfg before the first run. Paths
# that differ between machines are replaced by tokens: the library by
# <library>, the profile by <profile>, and any pair given in SUBSTITUTE.
#
# The golden holds @VERSION@ where the transcript shows the project's
# version, and what this platform shows differently from the golden is given
# in PLATFORM_SHOWS, so that one golden serves every platform. With the
# environment variable UPDATE_GOLDEN set, the golden file is rewritten in that
# form instead of compared.

cmake_minimum_required(VERSION 3.25)

foreach(required HOST LIBRARY PROFILE SCRIPTS GOLDEN ACTUAL VERSION)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "run_session.cmake needs -D${required}=...")
    endif()
endforeach()

foreach(list_name SCRIPTS ARGS SUBSTITUTE PLATFORM_SHOWS EMULATOR)
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
    # The host runs in the script's folder and is given its bare name, which
    # its error lines then show.
    set(folder "${PROFILE}")
    set(input /dev/null)
    if(script MATCHES "^<(.*)")
        set(input "${CMAKE_MATCH_1}")
    elseif(NOT script STREQUAL "-")
        get_filename_component(folder "${script}" DIRECTORY)
        get_filename_component(name "${script}" NAME)
        list(APPEND command --script "${name}")
    endif()
    execute_process(
        COMMAND ${command} ${ARGS}
        WORKING_DIRECTORY "${folder}"
        INPUT_FILE "${input}"
        OUTPUT_VARIABLE output
        ERROR_VARIABLE output
        RESULT_VARIABLE code)
    string(APPEND transcript "${output}[exit ${code}]\n")
endforeach()

string(REPLACE "${LIBRARY}" "<library>" transcript "${transcript}")
string(REPLACE "${PROFILE}" "<profile>" transcript "${transcript}")

# replace_pairs(<text variable> <pairs> FORWARD|BACKWARD): each "from=>to" of
# the list, from into to or back.
function(replace_pairs text_variable pairs direction)
    set(text "${${text_variable}}")
    foreach(pair IN LISTS pairs)
        string(REPLACE "=>" ";" parts "${pair}")
        list(GET parts 0 from)
        list(GET parts 1 to)
        if(direction STREQUAL "BACKWARD")
            string(REPLACE "${to}" "${from}" text "${text}")
        else()
            string(REPLACE "${from}" "${to}" text "${text}")
        endif()
    endforeach()
    set(${text_variable} "${text}" PARENT_SCOPE)
endfunction()

# fill_in(<text variable>): a golden as this platform shows it.
function(fill_in text_variable)
    set(text "${${text_variable}}")
    string(REPLACE "@VERSION@" "${VERSION}" text "${text}")
    replace_pairs(text "${PLATFORM_SHOWS}" FORWARD)
    set(${text_variable} "${text}" PARENT_SCOPE)
endfunction()

replace_pairs(transcript "${SUBSTITUTE}" FORWARD)

if(DEFINED ENV{UPDATE_GOLDEN})
    set(golden_text "${transcript}")
    replace_pairs(golden_text "${PLATFORM_SHOWS}" BACKWARD)
    string(REPLACE "${VERSION}" "@VERSION@" golden_text "${golden_text}")
    set(round_trip "${golden_text}")
    fill_in(round_trip)
    if(NOT round_trip STREQUAL transcript)
        message(FATAL_ERROR "The transcript cannot be written as a golden that gives it back: "
                            "it holds the version or a platform's text where they are not meant.")
    endif()
    file(WRITE "${GOLDEN}" "${golden_text}")
    message(STATUS "rewrote ${GOLDEN}")
    return()
endif()

file(WRITE "${ACTUAL}" "${transcript}")
file(READ "${GOLDEN}" expected)
fill_in(expected)
if(NOT transcript STREQUAL expected)
    set(expected_file "${ACTUAL}.expected")
    file(WRITE "${expected_file}" "${expected}")
    execute_process(COMMAND diff -u "${expected_file}" "${ACTUAL}" OUTPUT_VARIABLE difference)
    message(FATAL_ERROR "The transcript differs from ${GOLDEN} (as filled in here):\n${difference}")
endif()
