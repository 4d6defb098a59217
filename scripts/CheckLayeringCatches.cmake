# Proves that CheckLayering.cmake fails where it should: on a scratch copy of src/ and sim/ whose
# link layer includes a window header and whose ui layer includes a header by its bare name.
#   cmake -DTOP=<source tree> -DSCRATCH=<empty folder> -P scripts/CheckLayeringCatches.cmake

cmake_minimum_required(VERSION 3.25)

if(NOT TOP OR NOT SCRATCH)
    message(FATAL_ERROR "usage: cmake -DTOP=<source tree> -DSCRATCH=<folder> -P ...")
endif()
file(REMOVE_RECURSE ${SCRATCH})
file(COPY ${TOP}/src ${TOP}/sim DESTINATION ${SCRATCH})

set(upward ${SCRATCH}/src/link/Reading.cpp)
set(bare ${SCRATCH}/src/ui/Controls.cpp)
file(APPEND ${upward} "#include \"ui/FunctionWindow.h\"\n")
file(APPEND ${bare} "#include \"Controls.h\"\n")

execute_process(COMMAND ${CMAKE_COMMAND} -DTOP=${SCRATCH} -P ${CMAKE_CURRENT_LIST_DIR}/CheckLayering.cmake
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(REMOVE_RECURSE ${SCRATCH})
if(result EQUAL 0)
    message(FATAL_ERROR "the layering check passed a tree that breaks it:\n${output}")
endif()
foreach(expected
        "src/link/Reading.cpp:[0-9]+: #include \"ui/FunctionWindow.h\" reaches src/ui/FunctionWindow.h \\(ui\\)"
        "src/ui/Controls.cpp:[0-9]+: #include \"Controls.h\" does not name its header")
    if(NOT output MATCHES "${expected}")
        message(FATAL_ERROR "the layering check did not name the breach ${expected}:\n${output}")
    endif()
endforeach()
message("layering check: both breaches of the scratch copy named")
