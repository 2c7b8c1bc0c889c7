# The package plugin authors build against: public headers, imported targets and
# zenub_add_plugin(), installed beside the application.
include(CMakePackageConfigHelpers)

set(ZENUB_INCLUDE_DIR include/zenub)
set(ZENUB_CMAKE_DIR lib/cmake/ZenubCore)

# The package carries the plugin interface's version, which is the core plugin's version: that is
# what a plugin's metadata names in its dependency on "core". The application's own version
# (3.0.1 today) moves with features and is only reported as ZenubCore_APPLICATION_VERSION.
file(READ ${PROJECT_SOURCE_DIR}/src/plugins/core/core.json zenub_core_json)
string(REGEX MATCH "\"Version\" *: *\"([0-9.]+)\"" _ "${zenub_core_json}")
set(ZENUB_CORE_API_VERSION ${CMAKE_MATCH_1})
if(NOT ZENUB_CORE_API_VERSION)
    message(FATAL_ERROR "src/plugins/core/core.json names no Version")
endif()

# Headers keep the source tree's folders, so plugins include them as the Designer plugin does:
# <extensionsystem/iplugin.h>, <documents/idocument.h>.
file(GLOB extensionsystem_headers ${PROJECT_SOURCE_DIR}/src/libs/extensionsystem/*.h)
install(FILES ${extensionsystem_headers}
    ${PROJECT_BINARY_DIR}/src/libs/extensionsystem/extensionsystem_export.h
    DESTINATION ${ZENUB_INCLUDE_DIR}/extensionsystem COMPONENT development)
file(GLOB_RECURSE core_headers RELATIVE ${PROJECT_SOURCE_DIR}/src/plugins/core CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/plugins/core/*.h)
# Private records (*_p.h) stay inside the core.
list(FILTER core_headers EXCLUDE REGEX "_p\\.h$")
foreach(header ${core_headers})
    get_filename_component(folder ${header} DIRECTORY)
    install(FILES ${PROJECT_SOURCE_DIR}/src/plugins/core/${header}
        DESTINATION ${ZENUB_INCLUDE_DIR}/core/${folder} COMPONENT development)
endforeach()
install(FILES ${PROJECT_BINARY_DIR}/src/plugins/core/core_export.h
    DESTINATION ${ZENUB_INCLUDE_DIR}/core COMPONENT development)

target_include_directories(ExtensionSystem PUBLIC $<INSTALL_INTERFACE:${ZENUB_INCLUDE_DIR}>)
target_include_directories(Core PUBLIC $<INSTALL_INTERFACE:${ZENUB_INCLUDE_DIR}/core>)
install(EXPORT ZenubCoreTargets NAMESPACE Zenub:: DESTINATION ${ZENUB_CMAKE_DIR}
    COMPONENT development)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/ZenubCoreConfig.cmake.in
    ${PROJECT_BINARY_DIR}/cmake/ZenubCoreConfig.cmake
    INSTALL_DESTINATION ${ZENUB_CMAKE_DIR}
    PATH_VARS ZENUB_PLUGIN_DIR)
# A new major version of the plugin interface breaks plugins built for the old one.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/cmake/ZenubCoreConfigVersion.cmake
    VERSION ${ZENUB_CORE_API_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES
    ${PROJECT_BINARY_DIR}/cmake/ZenubCoreConfig.cmake
    ${PROJECT_BINARY_DIR}/cmake/ZenubCoreConfigVersion.cmake
    ${PROJECT_SOURCE_DIR}/cmake/ZenubAddPlugin.cmake
    DESTINATION ${ZENUB_CMAKE_DIR} COMPONENT development)
