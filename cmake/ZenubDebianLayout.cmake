# SPDX-License-Identifier: MIT
# Run by CPack on the staged tree before it is packed: moves what the desktop looks for from
# <prefix>/share to /usr/share and puts the command on the PATH.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
set(prefix "${root}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT IS_DIRECTORY "${prefix}/share" OR prefix STREQUAL "${root}/usr")
    return()
endif()
file(MAKE_DIRECTORY "${root}/usr/share" "${root}/usr/bin")
file(GLOB parts RELATIVE "${prefix}/share" "${prefix}/share/*")
foreach(part ${parts})
    file(RENAME "${prefix}/share/${part}" "${root}/usr/share/${part}")
endforeach()
file(REMOVE_RECURSE "${prefix}/share")
file(CREATE_LINK "${CPACK_PACKAGING_INSTALL_PREFIX}/bin/zenub-animate" "${root}/usr/bin/zenub-animate"
    SYMBOLIC)
