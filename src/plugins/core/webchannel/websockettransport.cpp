#include "websockettransport.h"

#include "reportlimiter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QWebSocket>

Q_LOGGING_CATEGORY(lcWebSocketTransport, "zenub.webchannel.transport")

namespace {

const int loggedPrefix = 80;

// A peer may send megabytes of junk many times over: the log gets the start and the size of a
// few, whichever connection they come from.
void reportMalformed(const QString& message, const QString& reason)
{
    static ReportLimiter limiter(5, 10000);
    int skipped = 0;
    if (!limiter.allow(&skipped))
        return;
    QString prefix = message.left(loggedPrefix);
    for (QChar& character : prefix) {
        if (!character.isPrint())
            character = QLatin1Char('?');
    }
    QString text = QStringLiteral("Dropped a malformed message of %1 characters (%2), starting "
                                  "with: %3")
                       .arg(message.size())
                       .arg(reason, prefix);
    if (skipped > 0)
        text += QStringLiteral(" (%1 similar messages not logged)").arg(skipped);
    qCWarning(lcWebSocketTransport).noquote() << text;
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
    const QJsonDocument document(message);
    m_pSocket->sendTextMessage(QString::fromUtf8(document.toJson(QJsonDocument::Compact)));
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
        reportMalformed(message, QStringLiteral("not a JSON object"));
        return;
    }
    emit messageReceived(document.object(), this);
}
