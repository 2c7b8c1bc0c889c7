#include "websockettransport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QWebSocket>

Q_LOGGING_CATEGORY(lcWebSocketTransport, "zenub.webchannel.transport")

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
        qCWarning(lcWebSocketTransport) << "Failed to parse text message as JSON object:" << message
                                        << "Error is:" << error.errorString();
        return;
    }
    if (!document.isObject()) {
        qCWarning(lcWebSocketTransport)
            << "Received JSON message that is not an object: " << message;
        return;
    }
    emit messageReceived(document.object(), this);
}
