// SPDX-License-Identifier: MIT
#ifndef CHANNELSERVER_H
#define CHANNELSERVER_H

#include <QMetaObject>
#include <QUrl>

class ChannelAccess;
class QWebChannel;
class QWebSocketServer;
class WebSocketClientWrapper;

/*!
    The web channel through which the application's pages reach native objects: a server on a
    free loopback port that admits only clients presenting this run's secret, and the channel
    every admitted client is connected to. A server that cannot listen ends the process.
*/
class ChannelServer
{
public:
    ChannelServer();
    /*! Withdraws every published object before server and channel go. */
    ~ChannelServer();
    ChannelServer(const ChannelServer&) = delete;
    ChannelServer& operator=(const ChannelServer&) = delete;

    QWebChannel* channel() const { return m_pChannel; }
    QWebSocketServer* server() const { return m_pServer; }
    /*! The address the application's own pages open, the secret included. */
    QUrl url() const;

private:
    QWebSocketServer* m_pServer;
    WebSocketClientWrapper* m_pServerWrapper;
    ChannelAccess* m_pAccess;
    QWebChannel* m_pChannel;
    QMetaObject::Connection m_clientConnection;
};

#endif
