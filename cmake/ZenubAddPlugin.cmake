# SPDX-License-Identifier: MIT
# zenub_add_plugin(<name> SOURCES ... METADATA <file.json> [LIBS ...])
#
# Builds a plugin of Zenub Animate against the installed package. The plugin class names the
# metadata file in Q_PLUGIN_METADATA(IID "com.KORVA.Zenub.Plugin" FILE "<file.json>"); the file is
# checked here so that a plugin the application would refuse fails at configure time instead.
# The library lands in <build>/plugins (run "zenub-animate -pluginpath <build>/plugins") and
# "cmake --install" puts it where the installed application looks. Unless the project sets its
# own install prefix, that is the prefix the package was found in.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT AND ZenubCore_PREFIX)
    set(CMAKE_INSTALL_PREFIX "${ZenubCore_PREFIX}" CACHE PATH "Install prefix" FORCE)
endif()

function(zenub_add_plugin name)
    cmake_parse_arguments(ARG "" "METADATA" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_METADATA OR NOT ARG_SOURCES)
        message(FATAL_ERROR "zenub_add_plugin(${name}) needs SOURCES and METADATA")
    endif()
    get_filename_component(metadata "${ARG_METADATA}" ABSOLUTE)
    file(READ "${metadata}" json)
    string(JSON plugin_name ERROR_VARIABLE error GET "${json}" Name)
    if(error)
        message(FATAL_ERROR "${ARG_METADATA}: no plugin name (${error})")
    endif()
    string(JSON plugin_version ERROR_VARIABLE error GET "${json}" Version)
    if(error OR NOT plugin_version MATCHES "^[0-9]+(\\.[0-9]+)*$")
        message(FATAL_ERROR "${ARG_METADATA}: \"Version\" must be numbers separated by dots")
    endif()
    # Every plugin builds on the core; the application starts it after the core only if the
    # metadata says so.
    set(core_version "")
    string(JSON count ERROR_VARIABLE error LENGTH "${json}" Dependencies)
    if(NOT error AND count GREATER 0)
        math(EXPR last "${count} - 1")
        foreach(i RANGE ${last})
            string(JSON dependency GET "${json}" Dependencies ${i} Name)
            if(dependency STREQUAL "core")
                string(JSON core_version ERROR_VARIABLE error GET "${json}" Dependencies ${i} Version)
            endif()
        endforeach()
    endif()
    if(NOT core_version)
        message(FATAL_ERROR "${ARG_METADATA}: \"Dependencies\" must name \"core\" with a Version")
    endif()
    if(core_version VERSION_GREATER ZenubCore_VERSION)
        message(FATAL_ERROR "${ARG_METADATA}: needs core ${core_version}, "
                            "the package has ${ZenubCore_VERSION}")
    endif()

    add_library(${name} MODULE ${ARG_SOURCES} "${metadata}")
    target_link_libraries(${name} PRIVATE Zenub::Core ${ARG_LIBS})
    get_filename_component(metadata_dir "${metadata}" DIRECTORY)
    # moc looks for the FILE of Q_PLUGIN_METADATA along the include path as well.
    target_include_directories(${name} PRIVATE "${metadata_dir}")
    set_target_properties(${name} PROPERTIES
        AUTOMOC ON
        AUTOUIC ON
        AUTORCC ON
        CXX_STANDARD 17
        CXX_STANDARD_REQUIRED ON
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        LIBRARY_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/plugins"
        # Installed beside the core, found through the same relative paths the core uses.
        INSTALL_RPATH "$ORIGIN;$ORIGIN/..")
    install(TARGETS ${name} LIBRARY DESTINATION lib/zenub/plugins)
endfunction()
