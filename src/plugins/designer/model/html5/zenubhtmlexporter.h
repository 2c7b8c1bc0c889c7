// SPDX-License-Identifier: MIT
#ifndef ZENUBHTMLEXPORTER_H
#define ZENUBHTMLEXPORTER_H

#include "banneroptions.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class ZenubProject;

/*!
    Turns a project into a self-contained web page: one index.html that draws the animation on
    a <canvas> with plain JavaScript, without any other file or network access. The project
    document is embedded as JSON (element "zenub-project"), so the page can be read back.

    Appending "#scene=N" to the page's address plays scene N (counted from 1) alone.
*/
class ZenubHtmlExporter
{
    Q_DECLARE_TR_FUNCTIONS(ZenubHtmlExporter)
public:
    static QString indexFileName() { return QStringLiteral("index.html"); }

    static QByteArray toHtml(const ZenubProject& project,
                             const BannerOptions& banner = BannerOptions());
    /*!
        Writes index.html into \a folder, creating the folder when needed, and the banner's
        fallback picture when it asks for one. An existing page is replaced only once the new
        one is complete. \a totalBytes receives the size of everything written. A file that
        is, or links to, one of \a inputs (the project file) is refused.
    */
    static bool exportHtml5(const ZenubProject& project, const QString& folder,
                            QString* errorString = nullptr,
                            const BannerOptions& banner = BannerOptions(),
                            qint64* totalBytes = nullptr,
                            const QStringList& inputs = QStringList());
};

#endif
