# Fails when two files of the repository differ only in the case of their paths: a checkout on a
# case-insensitive file system (Windows, macOS) would keep only one of them.
#   cmake -DTOP=<source tree> [-DGIT=<git executable>] -P scripts/CheckFileNameCase.cmake
# The files are those git tracks; outside a git checkout, every file of the tree but the build
# folders.
cmake_minimum_required(VERSION 3.25)

if(NOT TOP)
    message(FATAL_ERROR "usage: cmake -DTOP=<source tree> [-DGIT=<git>] -P CheckFileNameCase.cmake")
endif()

set(listed 1)
if(GIT)
    execute_process(COMMAND ${GIT} -C ${TOP} ls-files RESULT_VARIABLE listed
                    OUTPUT_VARIABLE tracked ERROR_QUIET)
endif()
if(listed EQUAL 0)
    string(REGEX REPLACE "\n$" "" tracked "${tracked}")
    string(REPLACE "\n" ";" files "${tracked}")
else()
    file(GLOB_RECURSE files RELATIVE ${TOP} ${TOP}/*)
    list(FILTER files EXCLUDE REGEX "^(build[^/]*|\\.git)/")
endif()

# Each path behind its lower-case form, so that sorting puts the clashing ones side by side.
set(keyed "")
foreach(file ${files})
    string(TOLOWER "${file}" lower)
    list(APPEND keyed "${lower}|${file}")
endforeach()
list(SORT keyed)

set(clashes 0)
set(previous_lower "")
set(previous_file "")
foreach(entry ${keyed})
    string(REGEX MATCH "^([^|]*)[|](.*)$" parts "${entry}")
    set(lower "${CMAKE_MATCH_1}")
    set(file "${CMAKE_MATCH_2}")
    if(lower STREQUAL previous_lower)
        message("${previous_file} and ${file} differ only in case")
        math(EXPR clashes "${clashes} + 1")
    endif()
    set(previous_lower "${lower}")
    set(previous_file "${file}")
endforeach()

if(clashes GREATER 0)
    message(FATAL_ERROR "${clashes} pair(s) of files differ only in case: rename one of each")
endif()
list(LENGTH files checked)
message("file names: ${checked} files checked, no two differ only in case")
