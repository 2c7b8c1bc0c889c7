# SPDX-License-Identifier: MIT
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

# The plugin API is this list: each header compiles on its own, and nothing else is installed, so
# moving a file inside the core cannot change what plugins see. Headers keep the source tree's
# folders, so plugins include them as the Designer plugin does: <documents/idocument.h>.
set(ZENUB_EXTENSIONSYSTEM_API iplugin.h pluginmanager.h pluginspec.h)
set(ZENUB_CORE_API
    plugin/coreplugin.h plugin/externalopener.h plugin/icore.h plugin/iui.h plugin/isingleton.h plugin/dpi.h
    actions/context.h actions/contextmanager.h actions/proxyaction.h actions/contextaction.h
    actions/actioncontainer.h actions/menuactioncontainer.h actions/menubaractioncontainer.h
    actions/actionmanager.h actions/commandscopes.h actions/commandtext.h
    actions/commandmatcher.h actions/commandpalette.h
    documents/idocument.h documents/ieditor.h documents/idocumentfactory.h
    documents/icreatedocumentdlg.h documents/documentmanager.h documents/editormanager.h
    mainwindow/mainwindow.h mainwindow/imainmdiarea.h
    mainwindow/frame/imainmenuwidget.h mainwindow/frame/znnotificationbar.h
    mainwindow/frame/znstyledframe.h mainwindow/frame/znstyledframehelper.h
    mainwindow/welcome/znhtmlexposingwelcome.h mainwindow/menus/irecentfilesmanager.h
    webchannel/websocketclientwrapper.h webchannel/websockettransport.h
    appearance/ilanguagemanager.h appearance/languageinfo.h appearance/ithemesmanager.h
    appearance/themesinfo.h appearance/znappstyle.h
    options/ioptionpage.h options/ioptionpagefactory.h options/ioptionsdlg.h
    options/keyboardoptionpage.h options/appearanceoptionpage.h options/breakpointsoptionpage.h
    options/shortcutscheme.h
    updater/updateregistry.h)
# Headers of the 1.x API that moved: each forwards to its new place.
file(GLOB ZENUB_CORE_COMPAT_HEADERS ${PROJECT_SOURCE_DIR}/src/plugins/core/compat/mainwindow/*.h)

foreach(header ${ZENUB_EXTENSIONSYSTEM_API})
    install(FILES ${PROJECT_SOURCE_DIR}/src/libs/extensionsystem/${header}
        DESTINATION ${ZENUB_INCLUDE_DIR}/extensionsystem COMPONENT development)
endforeach()
install(FILES ${PROJECT_BINARY_DIR}/src/libs/extensionsystem/extensionsystem_export.h
    DESTINATION ${ZENUB_INCLUDE_DIR}/extensionsystem COMPONENT development)
foreach(header ${ZENUB_CORE_API})
    get_filename_component(folder ${header} DIRECTORY)
    install(FILES ${PROJECT_SOURCE_DIR}/src/plugins/core/${header}
        DESTINATION ${ZENUB_INCLUDE_DIR}/core/${folder} COMPONENT development)
endforeach()
install(FILES ${ZENUB_CORE_COMPAT_HEADERS}
    DESTINATION ${ZENUB_INCLUDE_DIR}/core/mainwindow COMPONENT development)
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
