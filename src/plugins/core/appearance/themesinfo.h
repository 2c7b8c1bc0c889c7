// SPDX-License-Identifier: MIT
#ifndef THEMESINFO_H
#define THEMESINFO_H

#include "core_export.h"

#include <QString>

/*! An installed theme. For themes found on disk the identifier and the name are the same. */
struct CORE_EXPORT ThemesInfo
{
    QString themeId;
    QString themeName;
};

#endif
