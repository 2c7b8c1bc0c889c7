// SPDX-License-Identifier: MIT
#ifndef LANGUAGEINFO_H
#define LANGUAGEINFO_H

#include "core_export.h"

#include <QString>

/*! An installed interface language, as the language menu shows it. */
struct CORE_EXPORT LanguageInfo
{
    QString langId;
    QString language;
    QString country;
    QString nativeLanguage;
    QString nativeCountry;
};

#endif
