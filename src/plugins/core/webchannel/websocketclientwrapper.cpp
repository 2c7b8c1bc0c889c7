#include "websocketclientwrapper.h"

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

void WebSocketClientWrapper::authenticateOrigin(QWebSocketCorsAuthenticator* authenticator)
{
    const bool allowed = isOriginAllowed(authenticator->origin());
    authenticator->setAllowed(allowed);
    if (!allowed)
        qCWarning(lcWebSocketClientWrapper).noquote()
            << QStringLiteral("Refused a WebSocket connection from origin \"%1\".")
                   .arg(authenticator->origin());
}

void WebSocketClientWrapper::handleNewConnection()
{
    // Several connections may be pending when the signals were queued behind other work.
    while (QWebSocket* socket = m_pServer->nextPendingConnection())
        emit clientConnected(new WebSocketTransport(socket));
}
