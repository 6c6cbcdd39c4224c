# Which folder may include which. Included by the build for the table, and
# run by it as a script (cmake -DSOURCE_DIR=... -DCONTRACT=... -P this file)
# to check every file of the checked folders: an include that points another
# way fails the build.
#
# The component's layers, lowest first: the contract (the interface headers
# under frame/include/quorvel/, the list CONTRACT), text/, the rest of frame/,
# config/, commands/, settings/, and on top assembly/, which puts them
# together. A layer includes itself and the layers below it; commands/ and
# settings/ also use utf8api's header. The stand-ins stay apart: utf8api/ and
# host/ reach only the contract and utf8api's header (utf8api/include/).
# tests/, bench/, fuzz/ and tools/ include what they test and are not checked.

set(include_checked_folders frame text config commands settings assembly utf8api host)

set(contract_may_include contract)
set(text_may_include contract text)
set(frame_may_include contract text frame)
set(config_may_include contract text frame config)
set(commands_may_include contract text frame config commands utf8api_header)
set(settings_may_include contract text frame config commands settings utf8api_header)
set(assembly_may_include contract text frame config commands settings assembly)
set(utf8api_header_may_include contract utf8api_header)
set(utf8api_may_include contract utf8api_header utf8api)
set(host_may_include contract utf8api_header host)

if(NOT CMAKE_SCRIPT_MODE_FILE)
    return()
endif()
cmake_minimum_required(VERSION 3.25)

# Where includes are looked up after the including file's folder, as the
# build's include paths give them: the contract's root, utf8api's header
# folder, utf8api's and the host's own sources, and last the source root, from
# which the component's folders include each other. A stand-in that names a
# component header resolves it there, and is caught.
set(include_roots ${SOURCE_DIR}/frame/include ${SOURCE_DIR}/utf8api/include ${SOURCE_DIR}/utf8api
                  ${SOURCE_DIR}/host ${SOURCE_DIR})

# The area of `path` (relative to the source root), or "" for unchecked files.
function(area_of path out)
    if(path IN_LIST CONTRACT)
        set(area contract)
    elseif(path MATCHES "^utf8api/include/")
        set(area utf8api_header)
    elseif(path MATCHES "^([a-z0-9_]+)/")
        set(area ${CMAKE_MATCH_1})
        if(NOT area IN_LIST include_checked_folders)
            set(area "")
        endif()
    else()
        set(area "")
    endif()
    set(${out} ${area} PARENT_SCOPE)
endfunction()

# The file an include names, relative to the source root, or "" when it is
# none of ours (the standard library, the system, test frameworks).
function(resolve_include from_dir quote name out)
    set(candidates ${include_roots})
    if(quote STREQUAL "\"")
        list(PREPEND candidates ${from_dir})
    endif()
    foreach(root ${candidates})
        if(EXISTS ${root}/${name})
            file(REAL_PATH ${root}/${name} found)
            file(RELATIVE_PATH found ${SOURCE_DIR} ${found})
            set(${out} ${found} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${out} "" PARENT_SCOPE)
endfunction()

set(CONTRACT_RELATIVE)
foreach(header ${CONTRACT})
    file(RELATIVE_PATH header ${SOURCE_DIR} ${header})
    list(APPEND CONTRACT_RELATIVE ${header})
endforeach()
set(CONTRACT ${CONTRACT_RELATIVE})

set(violations "")
foreach(folder ${include_checked_folders})
    file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*)
    foreach(file ${files})
        area_of(${file} area)
        get_filename_component(dir ${SOURCE_DIR}/${file} DIRECTORY)
        file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
        foreach(line ${lines})
            string(REGEX MATCH "include[ \t]*([\"<])([^\">]+)" _ "${line}")
            resolve_include(${dir} "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}" target)
            if(target STREQUAL "")
                continue()
            endif()
            area_of(${target} target_area)
            if(target_area STREQUAL "" OR NOT target_area IN_LIST ${area}_may_include)
                list(JOIN ${area}_may_include ", " allowed)
                string(APPEND violations
                       "  ${file} includes ${target}: ${area} may include only ${allowed}\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    message(FATAL_ERROR "Includes against the allowed directions "
                        "(cmake/include_directions.cmake):\n${violations}")
endif()
