# SPDX-License-Identifier: MIT
include(GenerateExportHeader)

# Paths are relative to $ORIGIN so that both the build tree and the installed tree can move.
set(ZENUB_APP_RPATH "$ORIGIN/../lib/zenub;$ORIGIN/../lib/zenub/plugins")
set(ZENUB_PLUGIN_RPATH "$ORIGIN;$ORIGIN/..")
set(ZENUB_TEST_RPATH "$ORIGIN/../../lib/zenub;$ORIGIN/../../lib/zenub/plugins")

# zenub_sources(<var> <folder>...): every .cpp, .h, .ui and .qrc file below the folders (relative
# to the current source folder). Sources are listed by folder, so a subsystem grows without
# touching the build files, and a folder shows which target its files belong to.
function(zenub_sources var)
    set(patterns)
    foreach(folder ${ARGN})
        foreach(suffix cpp h ui qrc)
            list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.${suffix})
        endforeach()
    endforeach()
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${patterns})
    list(SORT found)
    set(${var} ${found} PARENT_SCOPE)
endfunction()

# zenub_plugin(<name> SOURCES ... [LIBS ...] [EXPORT <set>])
# A plugin is a shared library (other plugins may link against it) in lib/zenub/plugins.
# EXPORT adds it to an export set of the installed CMake package.
function(zenub_plugin name)
    cmake_parse_arguments(ARG "" "EXPORT" "SOURCES;LIBS" ${ARGN})
    add_library(${name} SHARED ${ARG_SOURCES})
    target_link_libraries(${name} PUBLIC ExtensionSystem ${ARG_LIBS})
    set_target_properties(${name} PROPERTIES
        LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${ZENUB_PLUGIN_DIR}
        BUILD_RPATH "${ZENUB_PLUGIN_RPATH}"
        INSTALL_RPATH "${ZENUB_PLUGIN_RPATH}"
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON)
    if(ARG_EXPORT)
        install(TARGETS ${name} EXPORT ${ARG_EXPORT} LIBRARY DESTINATION ${ZENUB_PLUGIN_DIR})
    else()
        install(TARGETS ${name} LIBRARY DESTINATION ${ZENUB_PLUGIN_DIR})
    endif()
endfunction()

# zenub_test(<name> SOURCES ... [LIBS ...] [TIMEOUT seconds])
# Test executables live in tests/bin so that their application folder is a scratch area.
function(zenub_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBS})
    set_target_properties(${name} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin
        BUILD_RPATH "${ZENUB_TEST_RPATH}")
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 240)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QTWEBENGINE_CHROMIUM_FLAGS=--no-sandbox;ZENUB_BUILD_DIR=${CMAKE_BINARY_DIR}")
endfunction()

# Adds every sub-folder that has its own CMakeLists.txt, so subsystems can add tests on their own.
function(zenub_add_subfolders)
    file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
    list(SORT children)
    foreach(child ${children})
        if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
            add_subdirectory(${child})
        endif()
    endforeach()
endfunction()
