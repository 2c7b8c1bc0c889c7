// SPDX-License-Identifier: MIT
#include "settingscheck.h"

#include <extensionsystem/privatefolder.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

QSettings* userSettings()
{
    return new QSettings(QSettings::IniFormat, QSettings::UserScope,
                         QCoreApplication::organizationName(), QCoreApplication::applicationName());
}

QString tr(const char* text)
{
    return QCoreApplication::translate("SettingsCheck", text);
}

} // namespace

QString SettingsCheck::brokenName(const QString& fileName)
{
    return fileName + QStringLiteral(".broken-") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

QSettings* SettingsCheck::openUserSettings()
{
    QSettings* settings = userSettings();
    if (settings->status() == QSettings::NoError)
        return settings;

    const QString fileName = settings->fileName();
    delete settings; // it must not write anything over the file
    const QString aside = brokenName(fileName);
    if (QFile::rename(fileName, aside)) {
        m_notice = tr("Your settings file \"%1\" could not be read. It was kept as \"%2\", and "
                      "Zenub Animate starts with default settings.")
                       .arg(QDir::toNativeSeparators(fileName), QDir::toNativeSeparators(aside));
        return userSettings();
    }
    // Neither readable nor movable: this run's settings go to a scratch file instead.
    QString folder = ExtensionSystem::PrivateFolder::path();
    if (folder.isEmpty())
        folder = QDir::tempPath();
    const QString scratch = QDir(folder).filePath(
        QStringLiteral("settings-%1.ini").arg(QCoreApplication::applicationPid()));
    QFile::remove(scratch);
    m_notice = tr("Your settings file \"%1\" could not be read, nor kept aside as \"%2\". Zenub "
                  "Animate starts with default settings and leaves the file as it is; changed "
                  "settings are not kept after this session.")
                   .arg(QDir::toNativeSeparators(fileName), QDir::toNativeSeparators(aside));
    return new QSettings(scratch, QSettings::IniFormat);
}
