// SPDX-License-Identifier: MIT
#include "websockettransport.h"

#include "jsontext.h"
#include "reportlimiter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QWebSocket>

Q_LOGGING_CATEGORY(lcWebSocketTransport, "zenub.webchannel.transport")

namespace {

const int loggedPrefix = 80;

// A peer may send megabytes of junk many times over: the log gets the start and the size of a
// burst of them, whichever connection they come from. An empty error means "not an object".
void reportMalformed(const QString& message, const QString& error)
{
    static ReportLimiter limiter(10, 10000);
    int skipped = 0;
    if (!lcWebSocketTransport().isWarningEnabled() || !limiter.allow(&skipped))
        return;
    const bool cut = message.size() > loggedPrefix;
    const QString shown = cut ? message.left(loggedPrefix) + QStringLiteral("...") : message;
    QDebug log = QMessageLogger(QT_MESSAGELOG_FILE, QT_MESSAGELOG_LINE, QT_MESSAGELOG_FUNC)
                     .warning(lcWebSocketTransport());
    if (error.isEmpty())
        log << "Received JSON message that is not an object: " << shown;
    else
        log << "Failed to parse text message as JSON object:" << shown << "Error is:" << error;
    if (cut)
        log.noquote() << QStringLiteral("(%1 characters in all)").arg(message.size());
    if (skipped > 0)
        log.noquote() << QStringLiteral("(%1 similar messages not logged)").arg(skipped);
}

} // namespace

WebSocketTransport::WebSocketTransport(QWebSocket* socket)
    : QWebChannelAbstractTransport(socket)
    , m_pSocket(socket)
{
    // A peer must not be able to make us buffer an endless message.
    socket->setMaxAllowedIncomingFrameSize(maxIncomingMessageSize);
    socket->setMaxAllowedIncomingMessageSize(maxIncomingMessageSize);
    connect(socket, &QWebSocket::textMessageReceived, this,
            &WebSocketTransport::textMessageReceived);
    connect(socket, &QWebSocket::disconnected, this, &WebSocketTransport::deleteLater);
}

WebSocketTransport::~WebSocketTransport()
{
    if (m_pSocket)
        m_pSocket->deleteLater();
}

void WebSocketTransport::sendMessage(const QJsonObject& message)
{
    if (!m_pSocket)
        return;
    m_pSocket->sendTextMessage(JsonText::compact(message));
}

void WebSocketTransport::textMessageReceived(const QString& message)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(message.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError) {
        reportMalformed(message, error.errorString());
        return;
    }
    if (!document.isObject()) {
        reportMalformed(message, QString());
        return;
    }
    emit messageReceived(document.object(), this);
}
