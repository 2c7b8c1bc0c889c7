// SPDX-License-Identifier: MIT
#include "appprocess.h"
#include "secondstartprotocol.h"
#include "singleinstance.h"
#include "testenvironment.h"
#include "testfiles.h"

#include <extensionsystem/privatefolder.h>
#include <mainwindow/mainwindow.h>
#include <webchannel/websocketclientwrapper.h>
#include <webchannel/websockettransport.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QWebSocket>
#include <QWebSocketServer>
#include <QtTest>

using namespace SecondStartProtocol;

/*! What other local programs and broken files can do to a running application. */
class tst_LocalSecurity : public QObject
{
    Q_OBJECT
private slots:
    void secondStartSurvivesHostilePeers();
    void secondStartIgnoresAnImpostor();
    void brokenSettingsAreKeptAside_data();
    void brokenSettingsAreKeptAside();
    void malformedMessagesAreLoggedBriefly();
    void eachInstanceRemovesOnlyItsOwnTempFolder();
};

namespace {
const QFile::Permissions othersRights = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                        QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
}

void tst_LocalSecurity::secondStartSurvivesHostilePeers()
{
    QTemporaryDir settings;
    AppProcess app(settings.path());
    QVERIFY(app.waitReady());
    const QString name = SingleInstance::serverName(settings.path());
    QVERIFY(!(QFileInfo(QFileInfo(name).path()).permissions() & othersRights));

    QLocalSocket legacy, silent, member;
    for (QLocalSocket* peer : {&legacy, &silent, &member}) {
        peer->connectToServer(name);
        QVERIFY(peer->waitForConnected(3000));
    }
    // The earlier wire format with a list of 2^31-1 arguments, and a peer that knows the secret
    // and announces as many.
    const auto encode = [](quint32 first, const QString& folder) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << first << folder << 0x7fffffff;
        return bytes;
    };
    legacy.write(encode(0x5a4e5542, "/"));
    member.write(frame(challenge()));
    QVERIFY(member.waitForReadyRead(3000));
    QByteArray reply;
    QCOMPARE(takeFrame(&member, &reply), FrameState::Complete);
    const QByteArray call = encode(0, "/").mid(4);
    member.write(frame(
        answer(secret(QFileInfo(name).path()), laterRole, reply.right(challengeSize)) + call));
    for (QLocalSocket* peer : {&legacy, &silent, &member})
        QTRY_COMPARE_WITH_TIMEOUT(peer->state(), QLocalSocket::UnconnectedState, 10000);
    QCOMPARE(app.process.state(), QProcess::Running);

    QProcess later;
    later.start(AppProcess::executable(), {"-settingspath", settings.path(), "b.zenub"});
    QVERIFY(later.waitForFinished(20000));
    QCOMPARE(later.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(app.recorded().contains("b.zenub\n"), 10000);
}

void tst_LocalSecurity::secondStartIgnoresAnImpostor()
{
    QTemporaryDir settings;
    QLocalServer impostor;
    QVERIFY(impostor.listen(SingleInstance::serverName(settings.path())));
    // It answers whatever arrives as the application once did.
    connect(&impostor, &QLocalServer::newConnection, this, [&impostor] {
        while (QLocalSocket* socket = impostor.nextPendingConnection())
            connect(socket, &QLocalSocket::readyRead, socket, [socket] { socket->write("ok"); });
    });
    AppProcess app(settings.path());
    QVERIFY2(app.waitReady(), "the start handed over to the impostor and exited");
}

void tst_LocalSecurity::brokenSettingsAreKeptAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("unparseable") << QByteArray("[Zenub\nRecentProjects=/home/ann/keep.zenub\n");
    QTest::newRow("unreadable: a folder") << QByteArray();
}

void tst_LocalSecurity::brokenSettingsAreKeptAside()
{
    QFETCH(QByteArray, content);
    QTemporaryDir settings;
    const QString file = settings.filePath("Zenub/ZenubAnimate.ini");
    QVERIFY(QDir().mkpath(content.isEmpty() ? file : settings.filePath("Zenub")));
    QVERIFY(content.isEmpty() || writeFile(file, content));

    AppProcess app(settings.path(), {"--screenshot", settings.filePath("shot.png")});
    QVERIFY(app.process.waitForFinished(60000));
    const QStringList aside =
        QDir(settings.filePath("Zenub")).entryList({"ZenubAnimate.ini.broken-*"}, QDir::AllEntries);
    QCOMPARE(aside.size(), 1);
    QCOMPARE(readFile(settings.filePath("Zenub/" + aside.first())), content);
    const QStringList boxes = app.recorded().split('\n').filter("box ");
    QCOMPARE(boxes.filter(aside.first()).size(), 1);
    QVERIFY2(boxes.filter(aside.first()).first().contains(file + "\""),
             qPrintable(boxes.join('\n')));
    // The run kept its settings in the usual file again, not in a scratch file that is lost.
    QVERIFY(QFileInfo(file).isFile());
}

void tst_LocalSecurity::malformedMessagesAreLoggedBriefly()
{
    QWebSocketServer server(QStringLiteral("test"), QWebSocketServer::NonSecureMode);
    QVERIFY(server.listen(QHostAddress::LocalHost));
    WebSocketClientWrapper wrapper(&server);
    QObject* serverSide = nullptr;
    connect(&wrapper, &WebSocketClientWrapper::clientConnected, this,
            [&serverSide](WebSocketTransport* transport) { serverSide = transport->parent(); });
    QWebSocket client;
    client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(server.serverPort())));
    // The server may count the client before the client has read the handshake's answer, and a
    // socket still connecting drops what it is asked to send.
    QTRY_VERIFY(serverSide && client.state() == QAbstractSocket::ConnectedState);
    QSignalSpy received(serverSide, SIGNAL(textMessageReceived(QString)));

    static QByteArray log;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext& context, const QString& message) {
            if (qstrcmp(context.category, "zenub.webchannel.transport") == 0)
                log += message.toUtf8() + '\n';
        });
    for (int i = 0; i < 20; ++i)
        client.sendTextMessage(QString(1024 * 1024, QLatin1Char('{')));
    QTRY_COMPARE_WITH_TIMEOUT(received.count(), 20, 30000);
    qInstallMessageHandler(previous);
    QVERIFY2(log.size() < 4096, qPrintable(QString::number(log.size())));
    QVERIFY(log.contains("1048576"));
}

void tst_LocalSecurity::eachInstanceRemovesOnlyItsOwnTempFolder()
{
    QTemporaryDir settings;
    AppProcess app(settings.path());
    QVERIFY(app.waitReady());
    const QString shared = ExtensionSystem::PrivateFolder::path();
    const QString theirs = shared + "/run-" + QString::number(app.process.processId());
    QVERIFY(writeFile(theirs + "/preview.html"));
    QVERIFY(!(QFileInfo(shared).permissions() & othersRights));
    QVERIFY(!(QFileInfo(theirs).permissions() & othersRights));

    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    const QString ours = window->getDefaultTempPath();
    QVERIFY(writeFile(ours + "/page.html"));
    window->removeDefaultTempDir();
    QVERIFY(!QFileInfo::exists(ours));
    QVERIFY(QFileInfo::exists(theirs + "/preview.html"));

    // A folder in its place that others can reach is not used.
    QVERIFY(QDir().mkdir(ours));
    QVERIFY(QFile::setPermissions(ours, QFile::permissions(ours) | QFile::ReadOther));
    QVERIFY(window->getDefaultTempPath().isEmpty());
    QVERIFY(QDir().rmdir(ours));
}

QTEST_MAIN(tst_LocalSecurity)
#include "tst_localsecurity.moc"
