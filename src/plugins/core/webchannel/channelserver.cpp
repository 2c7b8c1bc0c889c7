// SPDX-License-Identifier: MIT
#include "channelserver.h"

#include "channelaccess.h"
#include "websocketclientwrapper.h"
#include "websockettransport.h"

#include <QHash>
#include <QHostAddress>
#include <QWebChannel>
#include <QWebSocketServer>

ChannelServer::ChannelServer()
    : m_pServer(new QWebSocketServer(QStringLiteral("ZNServer"), QWebSocketServer::NonSecureMode))
{
    if (!m_pServer->listen(QHostAddress::LocalHost, 0))
        qFatal("Failed to open web socket server.");
    m_pServerWrapper = new WebSocketClientWrapper(m_pServer);
    m_pAccess = new ChannelAccess(m_pServer->serverPort());
    m_pServerWrapper->setAccessToken(m_pAccess->token());
    m_pChannel = new QWebChannel();
    m_clientConnection =
        QObject::connect(m_pServerWrapper, &WebSocketClientWrapper::clientConnected, m_pChannel,
                         &QWebChannel::connectTo);
}

ChannelServer::~ChannelServer()
{
    QObject::disconnect(m_clientConnection);
    const QHash<QString, QObject*> published = m_pChannel->registeredObjects();
    for (QObject* object : published)
        m_pChannel->deregisterObject(object);
    m_pServer->close();
    delete m_pServerWrapper;
    delete m_pChannel;
    delete m_pServer;
    delete m_pAccess;
}

QUrl ChannelServer::url() const
{
    return m_pAccess->url();
}
