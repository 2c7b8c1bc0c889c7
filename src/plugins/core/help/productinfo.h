// SPDX-License-Identifier: MIT
#ifndef PRODUCTINFO_H
#define PRODUCTINFO_H

#include "core_export.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

/*!
    What the application says about itself: name, version, build, the libraries it ships and
    their licences, and the facts about this run that a problem report needs.
*/
class CORE_EXPORT ProductInfo
{
    Q_DECLARE_TR_FUNCTIONS(ProductInfo)
public:
    static QString productName();
    static QString version();
    /*! The build number fixed when the sources were configured. */
    static QString buildNumber();
    /*! The Qt version in use, and the one built against when they differ. */
    static QString qtVersion();
    /*! One paragraph per shipped part: what it is and the licence it comes under. */
    static QString licences();
    /*! Everything the About dialog shows, as plain text. */
    static QString aboutText();
    /*!
        Version, build, system, Qt, screen scale (of \a widget's screen), interface language
        and theme, one "Name: value" line each.
    */
    static QString environmentReport(const QWidget* widget);
};

#endif
