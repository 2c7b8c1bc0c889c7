# SPDX-License-Identifier: MIT
# "cpack -G DEB" in the build folder makes a Debian package of the installed tree.
# The application keeps its own tree in /opt/zenub-animate (it finds its parts relative to the
# executable); what the desktop must find goes to /usr: the menu entry, icons, the project file
# type, the software centre's description and a zenub-animate command on the PATH.
set(CPACK_PACKAGE_NAME zenub-animate)
set(CPACK_PACKAGE_VENDOR "KORVA Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Create HTML5 animations")
set(CPACK_PACKAGE_DESCRIPTION
    "Zenub Animate lays out shapes and text on a stage, animates them with key frames and\nexports the result as an HTML5 page.")
set(CPACK_PACKAGE_CONTACT "KORVA Software <support@zenub.korva.example>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_HOMEPAGE_URL "https://zenub.korva.example")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
# Install-time rules (the menu entry's Exec line) see the final prefix, not the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debug information stays in the build; the package carries what runs.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Our own libraries are inside the package; dpkg-shlibdeps must not look for a package of them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    ${CMAKE_BINARY_DIR}/${ZENUB_LIB_DIR} ${CMAKE_BINARY_DIR}/${ZENUB_PLUGIN_DIR})
# No maintainer scripts: dpkg's triggers refresh the desktop's caches for files in /usr/share.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/ZenubDebianLayout.cmake)
include(CPack)
