// SPDX-License-Identifier: MIT
#ifndef UPDATER_H
#define UPDATER_H

#include "core_export.h"

#include <QObject>
#include <QPointer>
#include <QString>

class Downloader;
class QNetworkAccessManager;
class QNetworkReply;

/*!
    Watches one JSON update feed. A check fetches the feed, reads the entry for the platform key,
    compares its "latest-version" with the installed version and, depending on the settings,
    tells the user that the installed version is current or shows the release notes and, on
    confirmation, opens the feed's web page, downloads the installer or opens its address in the
    browser. The feed and downloads come only from https addresses; a newer version whose entry
    names a download without its SHA-256 digest is refused with a message, never offered
    (UpdateFeedEntry::refusal()). Instances are
    created and owned by UpdateRegistry, one per feed URL.
*/
class CORE_EXPORT Updater : public QObject
{
    Q_OBJECT
public:
    Updater();
    ~Updater() override;

    QString url() const { return m_url; }
    QString openUrl() const { return m_openUrl; }
    QString changelog() const { return m_changelog; }
    QString moduleName() const { return m_moduleName; }
    QString downloadUrl() const { return m_downloadUrl; }
    QString platformKey() const { return m_platform; }
    QString moduleVersion() const { return m_moduleVersion; }
    QString latestVersion() const { return m_latestVersion; }
    QString userAgentString() const { return m_userAgentString; }
    /*! The optional "sha256" digest of the last feed's platform entry; empty when absent. */
    QString sha256() const { return m_sha256; }
    bool notifyOnUpdate() const { return m_notifyOnUpdate; }
    bool notifyOnFinish() const { return m_notifyOnFinish; }
    bool updateAvailable() const { return m_updateAvailable; }
    bool downloaderEnabled() const { return m_downloaderEnabled; }
    bool customAppcast() const { return m_customAppcast; }
    bool useCustomInstallProcedures() const;

    /*!
        True when version \a x is newer than version \a y. Versions are compared part by part
        at the dots as whole numbers (a part that is not a number counts as 0); when all shared
        parts are equal, the version with more parts is the newer one.
    */
    static bool compare(const QString& x, const QString& y);
    /*! The local file name a download address suggests: its last "/"-separated segment. */
    static QString fileNameFromUrl(const QString& downloadUrl);
    /*! The release notes' heading, rich text with the feed's version cut and escaped. */
    static QString releaseHeading(const QString& moduleName, const QString& version);

    // The order of signals and slots is part of the interface.
signals:
    void checkingFinished(const QString& url);
    void downloadFinished(const QString& url, const QString& filepath);
    void appcastDownloaded(const QString& url, const QByteArray& data);

public slots:
    void checkForUpdates(bool bSilentIfNoUpdate);
    void setUrl(const QString& url);
    void setModuleName(const QString& name);
    void setNotifyOnUpdate(bool notify);
    void setNotifyOnFinish(bool notify);
    void setUserAgentString(const QString& agent);
    void setModuleVersion(const QString& version);
    void setDownloaderEnabled(bool enabled);
    void setPlatformKey(const QString& platformKey);
    void setUseCustomAppcast(bool customAppcast);
    void setUseCustomInstallProcedures(bool custom);

private slots:
    void onReply(QNetworkReply* reply);
    void setUpdateAvailable(bool available);

private:
    void sendRequest(int redirects);
    void finishCheck(bool available);
    /*!
        Ends a check without an update: a warning when not silent, saying that the feed gave no
        answer (\a bUnanswered) or only \a reason.
    */
    void failCheck(const QString& reason, bool bUnanswered = true);
    void showLatestVersionBox();
    void applyUpdate();
    bool refuseUnlessWebAddress(const QString& address);

    QString m_url;
    QString m_userAgentString;
    bool m_customAppcast = false;
    bool m_notifyOnUpdate = true;
    bool m_notifyOnFinish = false;
    bool m_updateAvailable = false;
    bool m_downloaderEnabled = true;
    bool m_silentIfNoUpdate = true;
    QString m_openUrl;
    QString m_platform;
    QString m_changelog;
    QString m_moduleName;
    QString m_downloadUrl;
    QString m_moduleVersion;
    QString m_latestVersion;
    QString m_sha256;
    // The main window owns the downloader when there is one and may delete it first.
    QPointer<Downloader> m_downloader;
    QNetworkAccessManager* m_manager;
};

#endif
