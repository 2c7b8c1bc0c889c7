// SPDX-License-Identifier: MIT
#ifndef UPDATEREGISTRY_H
#define UPDATEREGISTRY_H

#include "core_export.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class Updater;

/*!
    The entry point of the update checks: one Updater per feed URL (compared exactly, letter
    case included), created the first time any call names the URL, queries included. Every
    setting and query is forwarded to that URL's updater, and its notifications are relayed
    under the same names.
*/
class CORE_EXPORT UpdateRegistry : public QObject
{
    Q_OBJECT
public:
    static UpdateRegistry* getInstance();

    bool getNotifyOnUpdate(const QString& url) const;
    bool getNotifyOnFinish(const QString& url) const;
    /*! The outcome of the URL's last completed check. */
    bool getUpdateAvailable(const QString& url) const;
    bool getDownloaderEnabled(const QString& url) const;
    bool usesCustomAppcast(const QString& url) const;
    bool usesCustomInstallProcedures(const QString& url) const;
    QString getOpenUrl(const QString& url) const;
    QString getChangelog(const QString& url) const;
    QString getDownloadUrl(const QString& url) const;
    QString getLatestVersion(const QString& url) const;
    QString getModuleName(const QString& url) const;
    QString getModuleVersion(const QString& url) const;
    QString getPlatformKey(const QString& url) const;
    QString getUserAgentString(const QString& url) const;

    // The order of signals and slots is part of the interface.
signals:
    void checkingFinished(const QString& url);
    void appcastDownloaded(const QString& url, const QByteArray& data);
    void downloadFinished(const QString& url, const QString& filepath);

public slots:
    void checkForUpdates(const QString& url, bool bSilentIfNoUpdate);
    void setModuleName(const QString& url, const QString& name);
    void setNotifyOnUpdate(const QString& url, bool notify);
    void setNotifyOnFinish(const QString& url, bool notify);
    void setPlatformKey(const QString& url, const QString& platform);
    void setModuleVersion(const QString& url, const QString& version);
    void setDownloaderEnabled(const QString& url, bool enabled);
    void setUserAgentString(const QString& url, const QString& agent);
    void setUseCustomAppcast(const QString& url, bool customAppcast);
    void setUseCustomInstallProcedures(const QString& url, bool custom);

private:
    UpdateRegistry() = default;
    ~UpdateRegistry() override;

    Updater* getUpdater(const QString& url) const;
};

#endif
