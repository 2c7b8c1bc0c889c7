#include <testenvironment.h>

#include <mainwindow/imainmenuwidget.h>
#include <mainwindow/mainwindow.h>
#include <mainwindow/znnotificationbar.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QWebChannel>
#include <QWebSocket>
#include <QWebSocketServer>
#include <QWindow>
#include <QtTest>

namespace {

class Greeter : public QObject
{
    Q_OBJECT
public slots:
    QString greet(const QString& name) { return QStringLiteral("Hello, %1").arg(name); }
};

} // namespace

class tst_MainWindowFrame : public QObject
{
    Q_OBJECT
private slots:
    void pageReachesPublishedObject()
    {
        TestEnvironment environment;
        MainWindow* window = environment.createMainWindow();
        QWebSocketServer* server = window->getServer();
        QVERIFY(server->isListening());
        QCOMPARE(server->serverName(), QStringLiteral("ZNServer"));
        QCOMPARE(server->serverAddress(), QHostAddress(QHostAddress::LocalHost));
        Greeter greeter;
        window->getChannel()->registerObject(QStringLiteral("greeter"), &greeter);

        QWebSocket page(QStringLiteral("qrc:"));
        QSignalSpy texts(&page, &QWebSocket::textMessageReceived);
        page.open(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(window->getServer()->serverPort())));
        QTRY_COMPARE(page.state(), QAbstractSocket::ConnectedState);
        page.sendTextMessage(QStringLiteral("{\"type\":3,\"id\":1}"));
        QTRY_COMPARE(texts.count(), 1);
        const QJsonObject init = QJsonDocument::fromJson(texts.takeFirst().first().toByteArray())
                                     .object()
                                     .value(QStringLiteral("data"))
                                     .toObject();
        const QJsonArray methods = init.value(QStringLiteral("greeter"))
                                       .toObject()
                                       .value(QStringLiteral("methods"))
                                       .toArray();
        int greet = -1;
        for (const QJsonValue& method : methods) {
            if (method.toArray().at(0).toString() == QLatin1String("greet"))
                greet = method.toArray().at(1).toInt();
        }
        QVERIFY(greet >= 0);
        page.sendTextMessage(QStringLiteral("{\"type\":6,\"id\":2,\"object\":\"greeter\","
                                            "\"method\":%1,\"args\":[\"Ann\"]}")
                                 .arg(greet));
        QTRY_COMPARE(texts.count(), 1);
        const QJsonObject response =
            QJsonDocument::fromJson(texts.first().first().toByteArray()).object();
        QCOMPARE(response.value(QStringLiteral("id")).toInt(), 2);
        QCOMPARE(response.value(QStringLiteral("data")).toString(), QStringLiteral("Hello, Ann"));
    }
    void destructionClosesServer()
    {
        TestEnvironment environment;
        MainWindow* window = environment.createMainWindow();
        const quint16 port = window->getServer()->serverPort();
        QPointer<QWebSocketServer> server = window->getServer();
        Greeter greeter;
        window->getChannel()->registerObject(QStringLiteral("greeter"), &greeter);
        environment.deleteMainWindow();
        QVERIFY(server.isNull());

        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(!probe.waitForConnected(2000));
    }
};

QTEST_MAIN(tst_MainWindowFrame)
#include "tst_mainwindowframe.moc"
