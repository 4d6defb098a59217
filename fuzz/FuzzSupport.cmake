# The fuzz targets need clang's libFuzzer (-fsanitize=fuzzer). Where the compiler has it, the
# whole tree is built with the fuzzers' coverage instrumentation and with AddressSanitizer and
# UndefinedBehaviorSanitizer, so that the fuzzers see into the project's libraries and any fault
# there stops the run. A compiler without it (g++) builds the tree as before.
include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_FLAGS "-fsanitize=fuzzer,address,undefined")
check_cxx_source_compiles([[
#include <cstddef>
#include <cstdint>
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *, std::size_t) { return 0; }
]] VK220_FUZZ_SUPPORTED)
unset(CMAKE_REQUIRED_FLAGS)
if(VK220_FUZZ_SUPPORTED)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
