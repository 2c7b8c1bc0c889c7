// SPDX-License-Identifier: MIT
#ifndef SETTINGSCHECK_H
#define SETTINGSCHECK_H

#include <QString>

class QSettings;

/*!
    Opens the user settings so that a file Qt cannot read or parse is never overwritten with
    defaults: it is kept aside as "<name>.broken-<date and time>" and the application starts
    with fresh settings. The caller tells the user once, with notice().
*/
class SettingsCheck
{
public:
    /*! The user settings (owned by the caller), the file kept aside first where needed. */
    QSettings* openUserSettings();
    /*! What the user must be told, naming both files; empty when the file was sound. */
    QString notice() const { return m_notice; }

    /*! The name of the copy kept aside, e.g. "ZenubAnimate.ini.broken-20260101-120000". */
    static QString brokenName(const QString& fileName);

private:
    QString m_notice;
};

#endif
