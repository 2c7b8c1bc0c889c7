// SPDX-License-Identifier: MIT
#include "websocketclientwrapper.h"

#include "channelaccess.h"

#include "websockettransport.h"

#include <QLoggingCategory>
#include <QUrl>
#include <QWebSocket>
#include <QWebSocketCorsAuthenticator>
#include <QWebSocketServer>

Q_LOGGING_CATEGORY(lcWebSocketClientWrapper, "zenub.webchannel.server")

WebSocketClientWrapper::WebSocketClientWrapper(QWebSocketServer* server, QObject* parent)
    : QObject(parent)
    , m_pServer(server)
{
    // The authenticator lives only during the emission, so the connection must be direct.
    connect(server, &QWebSocketServer::originAuthenticationRequired, this,
            &WebSocketClientWrapper::authenticateOrigin, Qt::DirectConnection);
    connect(server, &QWebSocketServer::newConnection, this,
            &WebSocketClientWrapper::handleNewConnection);
}

bool WebSocketClientWrapper::isOriginAllowed(const QString& origin)
{
    const QString trimmed = origin.trimmed();
    if (trimmed.isEmpty())
        return true;
    const QUrl url(trimmed, QUrl::StrictMode);
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("file") || scheme == QLatin1String("qrc");
}

void WebSocketClientWrapper::setAccessToken(const QByteArray& token)
{
    m_token = token;
}

void WebSocketClientWrapper::authenticateOrigin(QWebSocketCorsAuthenticator* authenticator)
{
    // The secret itself is checked once the connection exists: the authenticator has no address.
    const bool allowed = isOriginAllowed(authenticator->origin()) ||
                         (!m_token.isEmpty() && authenticator->origin() == QLatin1String("null"));
    authenticator->setAllowed(allowed);
    if (!allowed)
        qCWarning(lcWebSocketClientWrapper).noquote()
            << QStringLiteral("Refused a WebSocket connection from origin \"%1\".")
                   .arg(authenticator->origin());
}

void WebSocketClientWrapper::handleNewConnection()
{
    // Several connections may be pending when the signals were queued behind other work.
    while (QWebSocket* socket = m_pServer->nextPendingConnection()) {
        if (!m_token.isEmpty() && !ChannelAccess::hasToken(socket->requestUrl(), m_token)) {
            qCWarning(lcWebSocketClientWrapper)
                << "Refused a WebSocket connection without this run's token.";
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
            socket->deleteLater();
            continue;
        }
        emit clientConnected(new WebSocketTransport(socket));
    }
}
