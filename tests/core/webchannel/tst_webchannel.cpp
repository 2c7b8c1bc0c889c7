// SPDX-License-Identifier: MIT
#include <webchannel/websocketclientwrapper.h>
#include <webchannel/websockettransport.h>

#include <QJsonArray>
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
    void sentMessagesAreCompactJson_data()
    {
        QTest::addColumn<QJsonObject>("message");
        const auto text = [](const QString& value) {
            return QJsonObject{{"text", value}};
        };
        const auto number = [](const QJsonValue& value) {
            return QJsonObject{{"n", value}};
        };
        QTest::newRow("empty") << QJsonObject();
        QTest::newRow("nested") << QJsonObject{
            {"type", 10},
            {"id", 7},
            {"data", QJsonObject{{"list", QJsonArray{1, "two", true, false, QJsonValue(),
                                                     QJsonArray(), QJsonObject()}}}}};
        QTest::newRow("escapes") << text("quote \" back \\ slash / \b\f\n\r\t end");
        QTest::newRow("control") << text(QString("\x01 and \x1f") + QChar(0) + "!");
        QTest::newRow("non-ASCII")
            << text(QString::fromUtf8("Grüße \xe2\x80\xa8 \xf0\x9f\x8e\xac"));
        QTest::newRow("integers") << QJsonObject{{"zero", 0.0},
                                                 {"minus zero", -0.0},
                                                 {"negative", -42},
                                                 {"2^53-1", 9007199254740991.0},
                                                 {"2^53", 9007199254740992.0},
                                                 {"qint64", qint64(1) << 62}};
        QTest::newRow("fractions") << QJsonObject{
            {"tenth", 0.1}, {"small", -2.5e-7}, {"large", 1e21}, {"huge", 1.7976931348623157e308}};
        QTest::newRow("not finite") << number(qInf());
    }
    void sentMessagesAreCompactJson()
    {
        // The same text as Qt's compact JSON: the pages parse it with JSON.parse.
        QFETCH(QJsonObject, message);
        Client client = connectClient();
        QVERIFY(client.transport);
        QSignalSpy received(client.socket.get(), &QWebSocket::textMessageReceived);
        client.transport->sendMessage(message);
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.first().first().toString(),
                 QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
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
