// SPDX-License-Identifier: MIT
#include "updatetransfer.h"

#include "sha256hash.h"

#include <QFileInfo>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkRequest>

namespace {

bool& localHttpAllowed()
{
    static bool allowed = false;
    return allowed;
}

const int kStallTimeoutMs = 30000;
// Enough for any sensible mirror chain; a loop must not download forever.
const int kMaxRedirects = 10;
// What the network layer may hold before it stops reading from the socket.
const qint64 kReadBufferSize = 1 << 20;
const int kChunkSize = 256 * 1024;
const int kProgressIntervalMs = 100;

// "bytes 100-999/1000": the first byte and the whole length (-1 when not given).
bool parseContentRange(const QByteArray& header, qint64* first, qint64* whole)
{
    const QByteArray value = header.trimmed();
    if (!value.startsWith("bytes "))
        return false;
    const int dash = value.indexOf('-');
    const int slash = value.indexOf('/');
    if (dash < 0 || slash < dash)
        return false;
    bool ok = false;
    *first = value.mid(6, dash - 6).trimmed().toLongLong(&ok);
    if (!ok)
        return false;
    const QByteArray length = value.mid(slash + 1).trimmed();
    *whole = length == "*" ? -1 : length.toLongLong(&ok);
    return ok;
}

} // namespace

bool UpdateTransfer::isWebAddress(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

bool UpdateTransfer::isSecureAddress(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    return localHttpAllowed() && scheme == QLatin1String("http") &&
           QHostAddress(url.host()).isLoopback();
}

void UpdateTransfer::setLocalHttpAllowed(bool allowed)
{
    localHttpAllowed() = allowed;
}

UpdateTransfer::UpdateTransfer(QObject* parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
{
    // Redirects are followed here so that each hop is checked.
    m_manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    m_stallTimer.setSingleShot(true);
    m_stallTimer.setInterval(kStallTimeoutMs);
    connect(&m_stallTimer, &QTimer::timeout, this, &UpdateTransfer::onStalled);
    m_progressTimer.setSingleShot(true);
    m_progressTimer.setInterval(kProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, [this] { reportProgress(true); });
}

UpdateTransfer::~UpdateTransfer()
{
    dropReply();
}

void UpdateTransfer::start(const QUrl& url, const QString& partPath)
{
    dropReply();
    m_file.close();
    m_file.setFileName(partPath);
    const bool resume =
        url == m_keptSource && partPath == m_keptPath && QFileInfo(partPath).size() > 0;
    m_keptSource.clear();
    m_keptPath.clear();
    if (!resume) {
        m_validator.clear();
        QFile::remove(partPath);
    }
    m_source = url;
    m_redirects = 0;
    request(url, resume);
}

QByteArray UpdateTransfer::sha256() const
{
    return m_hash ? m_hash->result() : QByteArray();
}

void UpdateTransfer::cancel()
{
    dropReply();
    dropPartFile();
}

void UpdateTransfer::request(const QUrl& url, bool resume)
{
    dropReply();
    m_file.close();
    m_resume = resume;
    m_body = Body::Undecided;
    m_written = 0;
    m_total = -1;
    m_offset = resume ? QFileInfo(m_file.fileName()).size() : 0;
    m_sinceProgress.invalidate();

    QNetworkRequest request(url);
    if (!m_userAgent.isEmpty())
        request.setRawHeader("User-Agent", m_userAgent.toUtf8());
    // A compressed answer could not be continued byte for byte.
    request.setRawHeader("Accept-Encoding", "identity");
    if (m_offset > 0) {
        request.setRawHeader("Range", "bytes=" + QByteArray::number(m_offset) + '-');
        if (!m_validator.isEmpty())
            request.setRawHeader("If-Range", m_validator);
    }
    QNetworkReply* reply = m_manager->get(request);
    reply->setReadBufferSize(kReadBufferSize);
    m_reply = reply;
    connect(reply, &QNetworkReply::readyRead, this, &UpdateTransfer::readAvailable);
    connect(reply, &QNetworkReply::finished, this, &UpdateTransfer::onFinished);
    m_stallTimer.start();
}

bool UpdateTransfer::decideBody()
{
    if (m_body != Body::Undecided)
        return m_body == Body::Accepted;
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // A redirect's or an error page's body must never end up in the file.
    if (m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid() || status < 200 ||
        status >= 300) {
        m_body = Body::Ignored;
        return false;
    }
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    qint64 first = 0;
    qint64 whole = -1;
    if (status == 206 && m_offset > 0 &&
        parseContentRange(m_reply->rawHeader("Content-Range"), &first, &whole) &&
        first == m_offset) {
        m_total = whole > 0 ? whole : (length.isValid() ? m_offset + length.toLongLong() : -1);
    } else {
        // The whole file (or a range we did not ask for): start the part file over.
        m_offset = 0;
        m_total = length.isValid() ? length.toLongLong() : -1;
        if (status == 206) {
            m_body = Body::Ignored;
            request(m_reply->url(), false);
            return false;
        }
    }
    // Made with the first body, so the hashing library is loaded by a download, not by start-up.
    if (!m_hash)
        m_hash = std::make_unique<Sha256Hash>();
    m_hash->reset();
    if (m_offset > 0 && !hashKeptBytes()) {
        // What was kept cannot be read back: take the whole file instead.
        m_body = Body::Ignored;
        request(m_reply->url(), false);
        return false;
    }
    const QIODevice::OpenMode mode = m_offset > 0 ? QIODevice::Append : QIODevice::Truncate;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered | mode)) {
        dropReply();
        dropPartFile();
        emit writeFailed(m_file.fileName());
        return false;
    }
    // Only a strong validator may guard a range request.
    const QByteArray etag = m_reply->rawHeader("ETag");
    m_validator =
        !etag.isEmpty() && !etag.startsWith("W/") ? etag : m_reply->rawHeader("Last-Modified");
    m_body = Body::Accepted;
    return true;
}

bool UpdateTransfer::hashKeptBytes()
{
    QFile kept(m_file.fileName());
    if (!kept.open(QIODevice::ReadOnly))
        return false;
    if (m_buffer.size() != kChunkSize)
        m_buffer.resize(kChunkSize);
    qint64 hashed = 0;
    qint64 read;
    while (hashed < m_offset &&
           (read = kept.read(m_buffer.data(), qMin<qint64>(m_buffer.size(), m_offset - hashed))) >
               0) {
        m_hash->addData(m_buffer.constData(), read);
        hashed += read;
    }
    return hashed == m_offset;
}

void UpdateTransfer::readAvailable()
{
    if (!m_reply || m_reply->bytesAvailable() <= 0)
        return;
    m_stallTimer.start();
    QNetworkReply* reply = m_reply;
    if (!decideBody()) {
        if (reply == m_reply && m_body == Body::Ignored)
            reply->skip(reply->bytesAvailable());
        return;
    }
    if (m_buffer.size() != kChunkSize)
        m_buffer.resize(kChunkSize);
    qint64 read;
    while ((read = reply->read(m_buffer.data(), m_buffer.size())) > 0) {
        if (m_file.write(m_buffer.constData(), read) != read) {
            // Carrying on would leave a hole in the file.
            dropReply();
            dropPartFile();
            emit writeFailed(m_file.fileName());
            return;
        }
        m_hash->addData(m_buffer.constData(), read);
        m_written += read;
    }
    reportProgress(false);
}

void UpdateTransfer::onFinished()
{
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    m_stallTimer.stop();
    const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (!target.isEmpty() && reply->error() == QNetworkReply::NoError) {
        if (m_redirects >= kMaxRedirects) {
            cancel();
            emit failed(QNetworkReply::TooManyRedirectsError);
            return;
        }
        const QUrl next = reply->url().resolved(target);
        if (!isSecureAddress(next)) {
            cancel();
            emit refused(next);
            return;
        }
        ++m_redirects;
        request(next, m_resume);
        return;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 416 && m_offset > 0) {
        // What we kept is no part of the file as it is now.
        request(reply->url(), false);
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        const QNetworkReply::NetworkError code = reply->error();
        cancel();
        emit failed(code);
        return;
    }
    if (status < 200 || status >= 300) {
        cancel();
        emit failed(QNetworkReply::ProtocolFailure);
        return;
    }
    readAvailable();
    if (m_reply != reply)
        return;
    if (m_body == Body::Undecided && !decideBody())
        return;
    if (m_body == Body::Ignored)
        return;
    if (m_total > 0 && m_offset + m_written < m_total) {
        cancel();
        emit failed(QNetworkReply::RemoteHostClosedError);
        return;
    }
    m_file.close();
    dropReply();
    reportProgress(true);
    emit completed();
}

void UpdateTransfer::onStalled()
{
    if (!m_reply)
        return;
    dropReply();
    m_file.close();
    const qint64 kept = QFileInfo(m_file.fileName()).size();
    if (kept > 0) {
        m_keptSource = m_source;
        m_keptPath = m_file.fileName();
    }
    emit stalled(kept);
}

void UpdateTransfer::reportProgress(bool now)
{
    if (now || !m_sinceProgress.isValid() || m_sinceProgress.elapsed() >= kProgressIntervalMs) {
        m_progressTimer.stop();
        m_sinceProgress.start();
        emit progress(m_offset + m_written, m_total);
    } else if (!m_progressTimer.isActive()) {
        // The last piece of a burst is shown too, not only the first.
        m_progressTimer.start();
    }
}

void UpdateTransfer::dropReply()
{
    m_stallTimer.stop();
    m_progressTimer.stop();
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    // Disconnect first: an abort reports an error that belongs to no transfer any more.
    reply->disconnect(this);
    if (!reply->isFinished())
        reply->abort();
    reply->deleteLater();
}

void UpdateTransfer::dropPartFile()
{
    m_file.close();
    if (!m_file.fileName().isEmpty())
        QFile::remove(m_file.fileName());
    m_keptSource.clear();
    m_keptPath.clear();
}
