// SPDX-License-Identifier: MIT
#ifndef WEBSOCKETCLIENTWRAPPER_H
#define WEBSOCKETCLIENTWRAPPER_H

#include "core_export.h"

#include <QObject>

class QWebSocketCorsAuthenticator;
class QWebSocketServer;
class WebSocketTransport;

/*!
    Turns every connection that a WebSocket server accepts into a WebSocketTransport, ready to
    be attached to a QWebChannel.

    Connections from web pages of any web site (an Origin that is not the application's own) are
    refused during the handshake: any page open in the user's browser can reach the loopback port.
*/
class CORE_EXPORT WebSocketClientWrapper : public QObject
{
    Q_OBJECT
public:
    /*! The server is not owned. */
    explicit WebSocketClientWrapper(QWebSocketServer* server, QObject* parent = nullptr);

    /*!
        True for connections without an Origin (local programs) and for pages loaded from the
        application itself ("file:" and "qrc:" origins). False for http and https origins of
        any host, for opaque ("null") origins, which any web site can produce with a sandboxed
        frame, and for everything else.
    */
    static bool isOriginAllowed(const QString& origin);

    /*!
        From now on only clients that present \a token in the address they open are served
        (see ChannelAccess). Pages loaded from a local file in a browser send the opaque origin
        "null"; with a token required, they get in when they present it.
    */
    void setAccessToken(const QByteArray& token);

    // The order of the signal and slot is part of the interface.
signals:
    void clientConnected(WebSocketTransport* client);

private slots:
    void handleNewConnection();

private:
    void authenticateOrigin(QWebSocketCorsAuthenticator* authenticator);

    QWebSocketServer* m_pServer;
    QByteArray m_token;
};

#endif
