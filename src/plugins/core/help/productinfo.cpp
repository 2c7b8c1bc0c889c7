// SPDX-License-Identifier: MIT
#include "productinfo.h"

#include "appearance/ilanguagemanager.h"
#include "appearance/ithemesmanager.h"
#include "plugin/dpi.h"

#include <QCoreApplication>
#include <QStringList>
#include <QSysInfo>

#ifndef ZENUB_BUILD_NUMBER
#define ZENUB_BUILD_NUMBER "local"
#endif

QString ProductInfo::productName()
{
    return QStringLiteral("Zenub Animate");
}

QString ProductInfo::version()
{
    const QString running = QCoreApplication::applicationVersion();
    return running.isEmpty() ? QStringLiteral(ZENUB_VERSION) : running;
}

QString ProductInfo::buildNumber()
{
    return QStringLiteral(ZENUB_BUILD_NUMBER);
}

QString ProductInfo::qtVersion()
{
    const QString running = QString::fromLatin1(qVersion());
    const QString built = QStringLiteral(QT_VERSION_STR);
    if (running == built)
        return running;
    return tr("%1 (built with %2)").arg(running, built);
}

QString ProductInfo::licences()
{
    return QStringList{
        tr("Zenub Animate: copyright 2026 KORVA Software. Free software under the MIT licence: "
           "you may use, copy, change and pass it on, keeping the copyright notice; it comes "
           "without any warranty."),
        tr("Qt %1 (including Qt WebEngine): GNU Lesser General Public License version 3 "
           "(LGPLv3). Qt WebEngine contains Chromium, under BSD-style licences. Sources: "
           "https://download.qt.io/")
            .arg(QString::fromLatin1(qVersion())),
        tr("FFmpeg (libavcodec, libavformat, libavutil, libswscale): GNU Lesser General Public "
           "License version 2.1 or later (LGPL). Sources: https://ffmpeg.org/"),
        tr("The LGPL lets you replace these libraries with versions of your own; they are "
           "loaded as separate shared libraries.")}
        .join(QStringLiteral("\n\n"));
}

QString ProductInfo::aboutText()
{
    return QStringList{productName(),
                       tr("Version: %1").arg(version()),
                       tr("Build: %1").arg(buildNumber()),
                       tr("Qt: %1").arg(qtVersion()),
                       QString(),
                       licences()}
        .join(QLatin1Char('\n'));
}

QString ProductInfo::environmentReport(const QWidget* widget)
{
    const IThemesManager& themes = IThemesManager::getInstance();
    const QString theme = themes.getCurrentThemeName().isEmpty() ? themes.getCurrentThemeId()
                                                                 : themes.getCurrentThemeName();
    return QStringList{tr("Version: %1").arg(version()),
                       tr("Build: %1").arg(buildNumber()),
                       tr("System: %1 (%2 %3, %4)")
                           .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(),
                                QSysInfo::kernelVersion(), QSysInfo::currentCpuArchitecture()),
                       tr("Qt: %1").arg(qtVersion()),
                       tr("Screen scale: %1 %").arg(Dpi::scalePercent(Dpi::screenDpi(widget))),
                       tr("Language: %1").arg(ILanguageManager::getInstance().getCurrentLangId()),
                       tr("Theme: %1").arg(theme)}
        .join(QLatin1Char('\n'));
}
