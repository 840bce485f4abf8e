# Warnings and language level every target of the project shares.
function(kx_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    target_compile_features(${target} PUBLIC cxx_std_20)
    target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS QT_NO_CAST_FROM_BYTEARRAY)
endfunction()

# kx_add_test(<name> LIBS <libs...> SOURCES <files...> [GUI])
# A GoogleTest executable whose main creates a QCoreApplication, or a
# QApplication on the offscreen platform when GUI is given.
function(kx_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "LIBS;SOURCES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    kx_defaults(${name})
    if(ARG_GUI)
        target_link_libraries(${name} PRIVATE test_main_gui)
    else()
        target_link_libraries(${name} PRIVATE test_main_core)
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# The sizes of the programs' icons in dist/icons/<size>/<program>.png.
set(KX_ICON_SIZES 16 32 48 64 128 256)

# kx_add_program_icons(<target> <program>)
# Builds the program's menu-entry icons into it, as :/icons/<size>/<program>.png,
# for its windows.
function(kx_add_program_icons target program)
    set(icons)
    foreach(size IN LISTS KX_ICON_SIZES)
        list(APPEND icons ${CMAKE_SOURCE_DIR}/dist/icons/${size}/${program}.png)
    endforeach()
    qt_add_resources(${target} ${program}_icons PREFIX /icons BASE ${CMAKE_SOURCE_DIR}/dist/icons
        FILES ${icons})
endfunction()
