# Fuzz targets. With clang they are libFuzzer programs under AddressSanitizer
# and UndefinedBehaviorSanitizer, and everything they link is instrumented
# for coverage; with another compiler each target gets a plain main that runs
# the files or corpus folders it is given, once each.
set(KX_FUZZ_WITH_LIBFUZZER OFF)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    set(KX_FUZZ_WITH_LIBFUZZER ON)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

add_custom_target(fuzzers)

# kx_add_fuzzer(<name> LIBS <libs...> SOURCES <files...>)
# The target <name>_fuzz, whose seed corpus is fuzz/corpus/<name>/. Without
# libFuzzer, replaying that corpus is also a test.
function(kx_add_fuzzer name)
    cmake_parse_arguments(ARG "" "" "LIBS;SOURCES" ${ARGN})
    set(target ${name}_fuzz)
    add_executable(${target} ${ARG_SOURCES})
    kx_defaults(${target})
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS})
    if(KX_FUZZ_WITH_LIBFUZZER)
        target_link_options(${target} PRIVATE -fsanitize=fuzzer)
    else()
        target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/fuzz/standalone_main.cpp)
        if(KX_BUILD_TESTS)
            add_test(NAME ${target}_corpus
                     COMMAND ${target} ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
        endif()
    endif()
    add_dependencies(fuzzers ${target})
endfunction()
