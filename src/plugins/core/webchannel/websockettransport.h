// SPDX-License-Identifier: MIT
#ifndef WEBSOCKETTRANSPORT_H
#define WEBSOCKETTRANSPORT_H

#include "core_export.h"

#include <QPointer>
#include <QWebChannelAbstractTransport>

class QWebSocket;

/*!
    Carries web channel messages over one WebSocket connection: every message is one text frame
    holding one compact JSON object. The transport is a child of its socket and is deleted when
    the connection ends; deleting the transport schedules the deletion of the socket.
*/
class CORE_EXPORT WebSocketTransport : public QWebChannelAbstractTransport
{
    Q_OBJECT
public:
    /*! Upper bound of one incoming message (and frame) in bytes; larger ones close the socket. */
    static constexpr quint64 maxIncomingMessageSize = 4 * 1024 * 1024;

    explicit WebSocketTransport(QWebSocket* socket);
    ~WebSocketTransport() override;

    void sendMessage(const QJsonObject& message) override;

private slots:
    void textMessageReceived(const QString& message);

private:
    // Guarded: when the socket goes first, it deletes this transport as its child.
    QPointer<QWebSocket> m_pSocket;
};

#endif
