// SPDX-License-Identifier: MIT
#ifndef UPDATETRANSFER_H
#define UPDATETRANSFER_H

#include "core_export.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <memory>

class QNetworkAccessManager;
class Sha256Hash;

/*!
    Fetches one file over https into a part file. Redirects are followed here, so that
    each hop is checked. Data is read as it arrives through a bounded buffer and written to the
    part file, which stays open for the whole transfer, so memory stays flat however large the
    file is. Each piece is hashed as it is written, so the finished file need not be read again
    to be checked.

    A transfer that receives nothing for the stall timeout stops and keeps its part file. The
    next start for the same address asks the server for the rest with a range request (guarded by
    the validator the server gave, if any); a server that answers with the whole file starts the
    part file over. A part file this object did not write is never continued; one it continues
    is hashed once from the disk, so the digest covers what the file holds.
*/
class CORE_EXPORT UpdateTransfer : public QObject
{
    Q_OBJECT
public:
    explicit UpdateTransfer(QObject* parent = nullptr);
    ~UpdateTransfer() override;

    void setUserAgent(const QString& agent) { m_userAgent = agent; }
    /*! How long the transfer may receive nothing before it counts as stalled. */
    void setStallTimeout(int milliseconds) { m_stallTimer.setInterval(milliseconds); }
    int stallTimeout() const { return m_stallTimer.interval(); }

    /*! Starts fetching \a url into \a partPath; a transfer still running is dropped first. */
    void start(const QUrl& url, const QString& partPath);
    /*! Stops the transfer and deletes its part file; nothing is reported. */
    void cancel();
    bool isRunning() const { return m_reply; }
    /*! Writes what has arrived so far to the part file. */
    void readAvailable();
    /*! The SHA-256 digest of the part file; complete once completed() is sent. */
    QByteArray sha256() const;

    /*! True for an http or https address with a host: a page the browser may open. */
    static bool isWebAddress(const QUrl& url);
    /*!
        True for an https address with a host: the only kind a feed or an update may come
        from. Plain http only to this machine, and only where setLocalHttpAllowed() allows it.
    */
    static bool isSecureAddress(const QUrl& url);
    /*! For tests: lets a plain-http server on 127.0.0.1 stand in for the update server. */
    static void setLocalHttpAllowed(bool allowed);

signals:
    /*! \a total is zero or less while the size is unknown. Sent at most every tenth second. */
    void progress(qint64 received, qint64 total);
    /*! The part file holds the whole file and is closed. */
    void completed();
    /*! A redirect led to \a url, which is not a secure address; the part file is deleted. */
    void refused(const QUrl& url);
    /*! The part file is deleted. */
    void failed(QNetworkReply::NetworkError code);
    void writeFailed(const QString& partPath);
    /*! Nothing arrived for the stall timeout; \a kept bytes stay in the part file. */
    void stalled(qint64 kept);

private:
    enum class Body { Undecided, Accepted, Ignored };

    void request(const QUrl& url, bool allowResume);
    bool decideBody();
    bool hashKeptBytes();
    void onFinished();
    void onStalled();
    void reportProgress(bool now);
    void finish();
    void dropReply();
    void dropPartFile();

    QNetworkAccessManager* m_manager;
    QPointer<QNetworkReply> m_reply;
    QString m_userAgent;
    QFile m_file;
    QByteArray m_buffer;
    std::unique_ptr<Sha256Hash> m_hash;
    QTimer m_stallTimer;
    QTimer m_progressTimer;
    QElapsedTimer m_sinceProgress;
    Body m_body = Body::Undecided;
    QUrl m_source;
    int m_redirects = 0;
    bool m_resume = false;
    qint64 m_offset = 0;
    qint64 m_written = 0;
    qint64 m_total = -1;
    // What the part file left by a stall belongs to, so only that one is continued.
    QUrl m_keptSource;
    QString m_keptPath;
    QByteArray m_validator;
};

#endif
