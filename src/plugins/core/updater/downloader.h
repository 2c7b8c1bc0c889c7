// SPDX-License-Identifier: MIT
#ifndef DOWNLOADER_H
#define DOWNLOADER_H

#include "core_export.h"

#include <QNetworkReply>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <memory>

class DownloadPlacement;
class UpdateTransfer;

namespace Ui {
class Downloader;
}

/*!
    A small window that fetches an update installer over https into the download folder,
    showing progress, sizes and an estimated time. UpdateTransfer writes the data to a part file
    in a private folder as it arrives (see DownloadPlacement); once the transfer is complete and
    the file matches the expected SHA-256 digest, it is moved into the download folder under a
    name no file there has yet. Then downloadFinished() is emitted and, unless the caller
    installs the update itself, the user is offered to start the installer and quit. A download
    without a digest is refused. A transfer that stalls is reported and its part file kept for
    the next attempt.
*/
class CORE_EXPORT Downloader : public QWidget
{
    Q_OBJECT
public:
    explicit Downloader(QWidget* parent = nullptr);
    ~Downloader() override;

    bool useCustomInstallProcedures() const;

    /*!
        The hexadecimal SHA-256 digest the next download must match before it is offered for
        installation; a download without one is refused.
    */
    void setExpectedSha256(const QString& hexDigest);
    QString expectedSha256() const { return m_expectedSha256; }
    QString fileName() const { return m_fileName; }

    /*! The folder downloads go to; the user's "Downloads" folder unless set otherwise. */
    static QString downloadFolder();
    static void setDownloadFolder(const QString& path);
    static QString defaultFileName();

    /*! True for an http or https address with a host: a page the browser may open. */
    static bool isWebAddress(const QUrl& url);
    /*! True for a plain file name that stays inside the download folder on every platform. */
    static bool isSafeFileName(const QString& name);
    /*! "512 bytes", "1 KB", "3 MB": whole units, truncated. */
    static QString sizeText(qint64 bytes);
    /*! The wording for an estimate of \a seconds ("About 2 hours", "1 second"). */
    static QString estimateText(qint64 seconds);
    /*!
        The estimated duration of a transfer of \a total bytes at the average rate so far, or an
        empty string when no estimate can be formed yet.
    */
    static QString timeRemainingText(qint64 received, qint64 total, quint32 elapsedSeconds);

    // The order of the signal and slots is part of the interface.
signals:
    void downloadFinished(const QString& url, const QString& filepath);

public slots:
    void setUrlId(const QString& url);
    void startDownload(const QUrl& url);
    void setFileName(const QString& file);
    void setUserAgentString(const QString& agent);
    void setUseCustomInstallProcedures(bool custom);

private slots:
    void openDownload();
    void installUpdate();
    void cancelDownload();
    void saveFile(qint64 received, qint64 total);
    void calculateSizes(qint64 received, qint64 total);
    void updateProgress(qint64 received, qint64 total);
    void calculateTimeRemaining(qint64 received, qint64 total);

private:
    void beginTransfer(const QUrl& url);
    void onTransferFailed(QNetworkReply::NetworkError code);
    void onTransferStalled(qint64 kept);
    void completeDownload();
    void failDownload(const QString& message);
    static QString refusedAddressText(const QUrl& url);

    QString m_url;
    QUrl m_downloadUrl;
    quint32 m_startTime = 0;
    QString m_fileName;
    Ui::Downloader* m_ui;
    QString m_userAgentString;
    bool m_useCustomProcedures = false;
    UpdateTransfer* m_transfer;
    std::unique_ptr<DownloadPlacement> m_placement;
    QString m_savedPath;

    QString m_expectedSha256;
    bool m_completed = false;
};

#endif
