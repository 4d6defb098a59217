# Fails when a source file under src/ or sim/ includes a header of a layer its own layer may not
# depend on (the folder READMEs' "May depend on"), naming the file, the line and the rule.
#   cmake -DTOP=<source tree> -P scripts/CheckLayering.cmake
# Every quoted include names its header by its path from the include root: src/ for the product
# ("link/CalibratorLink.h"), the project root for the rest ("sim/HazardReferee.h",
# "tests/support/FakeSerialPort.h"); an include by bare name (but a generated .moc) is a breach
# too, in every folder.

cmake_minimum_required(VERSION 3.25)

# The rules, one a layer: "<layer>|<layers it may include from, blank-separated>". <f> stands for
# the including file's own function folder, * for any function folder; ui/logic is the widget-free
# part of ui (the library ui_logic). A layer may always include its own headers. tests, fuzz and
# bench are layers that no rule names: nothing may include them.
set(rules
    "link|"
    "ui/logic|link"
    "ui|ui/logic link"
    "functions/<f>/logic|link"
    "functions/<f>|functions/<f>/logic ui ui/logic link"
    "procedures|functions/*/logic link"
    "results|procedures link"
    "records|results procedures ui ui/logic link"
    "runner|records results procedures functions/*/logic ui ui/logic link"
    "app|functions/* functions/*/logic procedures results records runner ui ui/logic link"
    "sim|"
)

if(NOT TOP)
    message(FATAL_ERROR "usage: cmake -DTOP=<source tree> -P CheckLayering.cmake")
endif()

# The layer of a file, from its path relative to TOP. A function folder's file belongs to its
# logic layer when the folder's CMakeLists.txt lists it in <f>_logic, else to its window layer.
function(layer_of relative out)
    if(relative MATCHES "^src/ui/logic/")
        set(${out} ui/logic PARENT_SCOPE)
    elseif(relative MATCHES "^src/(link|ui|app|procedures|results|records|runner)/")
        set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
    elseif(relative MATCHES "^src/functions/([^/]+)/(.+)$")
        set(function ${CMAKE_MATCH_1})
        set(inside ${CMAKE_MATCH_2})
        if(inside IN_LIST logic_sources_${function})
            set(${out} functions/${function}/logic PARENT_SCOPE)
        else()
            set(${out} functions/${function} PARENT_SCOPE)
        endif()
    elseif(relative MATCHES "^([^/]+)/")
        set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
    else()
        set(${out} "" PARENT_SCOPE)
    endif()
endfunction()

# The layers `layer` may include from, as patterns (see the table above).
function(allowed_of layer out)
    set(function "")
    set(key ${layer})
    if(layer MATCHES "^functions/([^/]+)(/logic)?$")
        set(function ${CMAKE_MATCH_1})
        set(key "functions/<f>${CMAKE_MATCH_2}")
    endif()
    foreach(rule ${rules})
        string(REGEX MATCH "^([^|]*)[|](.*)$" parts "${rule}")
        if(CMAKE_MATCH_1 STREQUAL key)
            set(targets "${CMAKE_MATCH_2}")
            string(REPLACE "<f>" "${function}" targets "${targets}")
            set(${out} "${targets}" PARENT_SCOPE)
            return()
        endif()
    endforeach()
    message(FATAL_ERROR "no layering rule for the layer ${layer}")
endfunction()

function(may_include layer target out)
    set(${out} TRUE PARENT_SCOPE)
    if(layer STREQUAL target)
        return()
    endif()
    allowed_of(${layer} allowed)
    string(REPLACE " " ";" allowed "${allowed}")
    foreach(pattern ${allowed})
        string(REPLACE "*" "[^/]+" pattern "${pattern}")
        if(target MATCHES "^${pattern}$")
            return()
        endif()
    endforeach()
    set(${out} FALSE PARENT_SCOPE)
endfunction()

# The sources of each function folder's logic library, relative to that folder; a folder without
# one (no widget-free logic) is its window layer alone.
file(GLOB function_lists ${TOP}/src/functions/*/CMakeLists.txt)
foreach(list_file ${function_lists})
    get_filename_component(folder ${list_file} DIRECTORY)
    get_filename_component(function ${folder} NAME)
    file(READ ${list_file} list_text)
    if(list_text MATCHES "add_library\\(${function}_logic[ \t\n]+(STATIC[ \t\n]+)?([^)]*)\\)")
        string(REGEX REPLACE "[ \t\n]+" ";" logic_sources_${function} "${CMAKE_MATCH_2}")
    endif()
endforeach()

file(GLOB_RECURSE sources RELATIVE ${TOP} ${TOP}/src/*.h ${TOP}/src/*.cpp ${TOP}/sim/*.h
     ${TOP}/sim/*.cpp ${TOP}/tests/*.h ${TOP}/tests/*.cpp ${TOP}/fuzz/*.h ${TOP}/fuzz/*.cpp
     ${TOP}/bench/*.h ${TOP}/bench/*.cpp)

# The line of `include_line` in `source`, for the message.
function(line_of source include_line out)
    file(READ ${TOP}/${source} text)
    string(FIND "${text}" "${include_line}" offset)
    string(SUBSTRING "${text}" 0 ${offset} before)
    string(REGEX MATCHALL "\n" line_ends "${before}")
    list(LENGTH line_ends line)
    math(EXPR line "${line} + 1")
    set(${out} ${line} PARENT_SCOPE)
endfunction()

set(breaches 0)
foreach(source ${sources})
    file(STRINGS ${TOP}/${source} include_lines ENCODING UTF-8
         REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
    if(NOT include_lines)
        continue()
    endif()
    layer_of(${source} layer)
    foreach(include_line ${include_lines})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" included
                             "${include_line}")
        if(included MATCHES "[.]moc$")
            continue()
        endif()
        if(EXISTS ${TOP}/src/${included})
            set(candidate src/${included})
        elseif(EXISTS ${TOP}/${included} AND NOT included MATCHES "^src/")
            set(candidate ${included})
        else()
            line_of(${source} "${include_line}" line)
            message("${source}:${line}: #include \"${included}\" does not name its header by "
                    "its path from the include root")
            math(EXPR breaches "${breaches} + 1")
            continue()
        endif()
        if(NOT source MATCHES "^(src|sim)/")
            continue()
        endif()
        layer_of(${candidate} target)
        may_include(${layer} ${target} allowed)
        if(allowed)
            continue()
        endif()
        set(forbidden "${candidate} (${target})")
        line_of(${source} "${include_line}" line)
        allowed_of(${layer} rule)
        if(rule STREQUAL "")
            set(rule "nothing of ours")
        endif()
        message("${source}:${line}: #include \"${included}\" reaches ${forbidden}; "
                "the rule: ${layer} may include from ${rule}")
        math(EXPR breaches "${breaches} + 1")
    endforeach()
endforeach()

if(breaches GREATER 0)
    message(FATAL_ERROR "${breaches} include(s) break the layering (see the folder READMEs)")
endif()
list(LENGTH sources checked)
message("layering: ${checked} files checked, every include within its layer's rule")
