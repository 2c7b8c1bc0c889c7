// SPDX-License-Identifier: MIT
#include <webchannel/websocketclientwrapper.h>
#include <webchannel/websockettransport.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QWebChannel>
#include <QWebSocket>
#include <QWebSocketServer>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(WebSocketTransport*)

class tst_WebChannel : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        qRegisterMetaType<WebSocketTransport*>();
        m_server = std::make_unique<QWebSocketServer>(QStringLiteral("ZNServer"),
                                                      QWebSocketServer::NonSecureMode);
        QVERIFY(m_server->listen(QHostAddress::LocalHost, 0));
        m_wrapper = std::make_unique<WebSocketClientWrapper>(m_server.get());
    }
    void cleanup()
    {
        m_wrapper.reset();
        m_server.reset();
    }

    void badMessagesAreDroppedAndConnectionStays_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("warning");

        const QString parse = QStringLiteral("^Failed to parse text message as JSON object: ");
        QTest::newRow("plain text") << "hello" << parse + "\"hello\" Error is: \"";
        QTest::newRow("truncated object") << "{\"a\":" << parse;
        QTest::newRow("array") << "[1,2,3]"
                               << "^Received JSON message that is not an object:  \"\\[1,2,3\\]\"$";
    }
    void badMessagesAreDroppedAndConnectionStays()
    {
        QFETCH(QString, message);
        QFETCH(QString, warning);

        Client client = connectClient();
        QVERIFY(client.transport);
        QSignalSpy received(client.transport.data(), &WebSocketTransport::messageReceived);
        QSignalSpy disconnected(client.socket.get(), &QWebSocket::disconnected);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        client.socket->sendTextMessage(message);
        // The object after the bad message proves the bad one was processed and dropped.
        client.socket->sendTextMessage(QStringLiteral("{\"after\":true}"));
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.first().first().toJsonObject().value(QStringLiteral("after")),
                 QJsonValue(true));
        QVERIFY(disconnected.isEmpty());
        QCOMPARE(client.socket->state(), QAbstractSocket::ConnectedState);
        QVERIFY(client.transport);
    }
    void origins_data()
    {
        QTest::addColumn<QString>("origin");
        QTest::addColumn<bool>("allowed");

        QTest::newRow("no origin") << "" << true;
        QTest::newRow("local file page") << "file://" << true;
        QTest::newRow("http site") << "http://example.com" << false;
        QTest::newRow("upper-case scheme") << "HTTPS://EXAMPLE.COM" << false;
        QTest::newRow("loopback web server") << "http://127.0.0.1:8080" << false;
        QTest::newRow("browser extension") << "chrome-extension://abcdef" << false;
    }
    void origins()
    {
        QFETCH(QString, origin);
        QFETCH(bool, allowed);

        QCOMPARE(WebSocketClientWrapper::isOriginAllowed(origin), allowed);

        QSignalSpy transports(m_wrapper.get(), &WebSocketClientWrapper::clientConnected);
        QWebSocket socket(origin);
        QSignalSpy connected(&socket, &QWebSocket::connected);
        QSignalSpy disconnected(&socket, &QWebSocket::disconnected);
        if (!allowed)
            QTest::ignoreMessage(
                QtWarningMsg, QRegularExpression(QStringLiteral("^Refused a WebSocket connection "
                                                                "from origin \"%1\"\\.$")
                                                     .arg(QRegularExpression::escape(origin))));
        socket.open(serverUrl());
        if (allowed) {
            QVERIFY(connected.wait(5000));
            QTRY_COMPARE(transports.count(), 1);
        } else {
            QTRY_VERIFY(!disconnected.isEmpty() ||
                        socket.error() != QAbstractSocket::UnknownSocketError);
            QVERIFY(connected.isEmpty());
            QVERIFY(transports.isEmpty());
        }
    }
    void oversizedMessageClosesConnection_data()
    {
        QTest::addColumn<bool>("singleFrame");
        QTest::newRow("one huge frame") << true;
        QTest::newRow("many small fragments") << false;
    }
    void oversizedMessageClosesConnection()
    {
        QFETCH(bool, singleFrame);

        Client client = connectClient();
        QVERIFY(client.transport);
        QSignalSpy received(client.transport.data(), &WebSocketTransport::messageReceived);
        QSignalSpy disconnected(client.socket.get(), &QWebSocket::disconnected);
        const int size = int(WebSocketTransport::maxIncomingMessageSize) + 1024;
        if (singleFrame)
            client.socket->setOutgoingFrameSize(quint64(size) * 2);
        else
            client.socket->setOutgoingFrameSize(64 * 1024);
        QString message = QStringLiteral("{\"pad\":\"");
        message += QString(size, QLatin1Char('x'));
        message += QStringLiteral("\"}");
        client.socket->sendTextMessage(message);

        QVERIFY(disconnected.wait(10000));
        QTRY_VERIFY(client.transport.isNull());
        QVERIFY(received.isEmpty());

        // The server keeps serving others.
        Client other = connectClient();
        QVERIFY(other.transport);
    }

private:
    struct Client
    {
        std::unique_ptr<QWebSocket> socket;
        QPointer<WebSocketTransport> transport;
    };
    Client connectClient(const QString& origin = QString());
    QUrl serverUrl() const
    {
        return QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(m_server->serverPort()));
    }

    std::unique_ptr<QWebSocketServer> m_server;
    std::unique_ptr<WebSocketClientWrapper> m_wrapper;
};

tst_WebChannel::Client tst_WebChannel::connectClient(const QString& origin)
{
    Client client;
    QSignalSpy transports(m_wrapper.get(), &WebSocketClientWrapper::clientConnected);
    client.socket = std::make_unique<QWebSocket>(origin);
    QSignalSpy connected(client.socket.get(), &QWebSocket::connected);
    client.socket->open(serverUrl());
    if (!connected.wait(5000) || (transports.isEmpty() && !transports.wait(5000)))
        return client;
    client.transport = transports.first().first().value<WebSocketTransport*>();
    return client;
}

QTEST_MAIN(tst_WebChannel)
#include "tst_webchannel.moc"
