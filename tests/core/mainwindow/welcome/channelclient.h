// SPDX-License-Identifier: MIT
#ifndef CHANNELCLIENT_H
#define CHANNELCLIENT_H

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QWebSocket>

/*!
    Speaks the web channel's JSON protocol over a real WebSocket, as the welcome page's script
    does: init, invoke by method index, connect to signals.
*/
class ChannelClient : public QObject
{
    Q_OBJECT
public:
    /*! \a url is the server address with its access token (MainWindow::getChannelUrl()). */
    explicit ChannelClient(const QUrl& url);

    bool isConnected() const { return m_socket.state() == QAbstractSocket::ConnectedState; }
    /*! Asks for the published objects; true once their method tables are known. */
    bool init();
    QJsonValue invoke(const QString& object, const QString& method,
                      const QJsonArray& arguments = {});
    void connectToSignal(const QString& object, const QString& signal);
    /*! Names of the signals that arrived, in order. */
    QStringList signalsReceived() const { return m_signals; }
    QStringList methodNames(const QString& object) const;

private:
    QJsonObject request(QJsonObject message);
    void receive(const QString& text);

    QWebSocket m_socket;
    int m_nextId = 0;
    QHash<int, QJsonObject> m_responses;
    QHash<QString, QHash<QString, int>> m_methods;
    QHash<QString, QHash<QString, int>> m_signalIndex;
    QStringList m_signals;
};

#endif
