// SPDX-License-Identifier: MIT
#include "appprocess.h"
#include "testfiles.h"

#include <extensionsystem/privatefolder.h>

#include <QTcpServer>
#include <QTemporaryDir>
#include <QWebChannel>
#include <QWebSocket>
#include <QtTest>

/*!
    The running application's web channel as other programs of the machine meet it: a local
    tool of the same user, and Debian's Chromium showing the welcome page from a file or from a
    web server.
*/
class tst_ForeignBrowser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void onlyTheSecretLetsToolsIn();
    void browserPage_data();
    void browserPage();

private:
    QTemporaryDir m_folder;
    std::unique_ptr<AppProcess> m_app;
    QUrl m_channel;
    const QString m_project = QStringLiteral("/home/ann/Sunrise-Teaser.zenub");
};

void tst_ForeignBrowser::initTestCase()
{
    QDir folder(m_folder.path());
    QVERIFY(folder.mkpath("settings/Zenub") && folder.mkpath("page"));
    QVERIFY(writeFile(folder.filePath("settings/Zenub/ZenubAnimate.ini"),
                      "[Zenub]\nRecentProjects=" + m_project.toUtf8() + "\n"));
    m_app.reset(new AppProcess(folder.filePath("settings")));
    QVERIFY(m_app->waitReady());

    // What a local tool of this user does: read the address from the private folder.
    const QString file = ExtensionSystem::PrivateFolder::path() +
                         QStringLiteral("/channel-%1.url").arg(m_app->process.processId());
    QCOMPARE(QFile::permissions(file) & ~(QFile::ReadUser | QFile::WriteUser),
             QFile::ReadOwner | QFile::WriteOwner);
    m_channel = QUrl(QString::fromUtf8(readFile(file).trimmed()));
    QVERIFY(m_channel.query().startsWith("token="));

    // The page as it ships, with Qt's channel script beside it instead of in Qt's resources.
    for (const QString& name : QStringList{"index.html", "welcome.js", "welcome.css"})
        QVERIFY(QFile::copy(WELCOME_PAGE_DIR "/" + name, folder.filePath("page/" + name)));
    QByteArray index = readFile(folder.filePath("page/index.html"));
    index.replace("qrc:///qtwebchannel/qwebchannel.js", "qwebchannel.js");
    QVERIFY(writeFile(folder.filePath("page/index.html"), index));
    QWebChannel loaded; // Qt's script is a resource of the library, there once it is loaded
    QVERIFY(writeFile(folder.filePath("page/qwebchannel.js"),
                      readFile(":/qtwebchannel/qwebchannel.js")));
}

void tst_ForeignBrowser::onlyTheSecretLetsToolsIn()
{
    QUrl bare = m_channel;
    bare.setQuery(QString());
    for (const QUrl& url : {bare, m_channel}) {
        QWebSocket tool;
        QSignalSpy answers(&tool, &QWebSocket::textMessageReceived);
        QSignalSpy closed(&tool, &QWebSocket::disconnected);
        connect(&tool, &QWebSocket::connected, &tool,
                [&tool] { tool.sendTextMessage(QStringLiteral("{\"type\":3,\"id\":1}")); });
        tool.open(url);
        if (url == bare) {
            QTRY_COMPARE(closed.count(), 1);
            QCOMPARE(tool.closeCode(), QWebSocketProtocol::CloseCodePolicyViolated);
            QCOMPARE(answers.count(), 0);
        } else {
            QTRY_COMPARE(answers.count(), 1);
        }
    }
}

void tst_ForeignBrowser::browserPage_data()
{
    QTest::addColumn<bool>("served");
    QTest::addColumn<bool>("withSecret");
    QTest::addColumn<bool>("listed");
    QTest::newRow("file with the secret") << false << true << true;
    QTest::newRow("file without it") << false << false << false;
    QTest::newRow("web server with the secret") << true << true << false;
}

void tst_ForeignBrowser::browserPage()
{
    QFETCH(bool, served);
    QFETCH(bool, withSecret);
    QFETCH(bool, listed);
    const QString chromium = QStringLiteral("/usr/bin/chromium");
    if (!QFileInfo(chromium).isExecutable())
        QSKIP("Debian's chromium is not installed (apt-get install chromium)");

    QProcess web;
    QUrl page = QUrl::fromLocalFile(m_folder.filePath("page/index.html"));
    if (served) {
        QTcpServer probe; // a free port for the web server
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();
        web.start("python3", {"-u", "-m", "http.server", "--bind", "127.0.0.1", "--directory",
                              m_folder.filePath("page"), QString::number(port)});
        QVERIFY(web.waitForReadyRead(10000)); // "Serving HTTP on ..."
        page = QUrl(QStringLiteral("http://127.0.0.1:%1/index.html").arg(port));
    }
    page.setQuery(QStringLiteral("port=%1").arg(m_channel.port()) +
                  (withSecret ? "&" + m_channel.query() : QString()));

    // Headless Chromium's virtual clock can run ahead of the real socket on a busy machine: a
    // page that must list the project gets three chances; one that must not gets one.
    const QByteArray entry = "data-path=\"" + m_project.toUtf8() + "\"";
    QByteArray dom;
    for (int attempt = 0; attempt < (listed ? 3 : 1) && !dom.contains(entry); ++attempt) {
        QProcess browser;
        browser.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu",
                                 "--virtual-time-budget=20000", "--dump-dom", page.toString()});
        QVERIFY(browser.waitForFinished(60000));
        dom = browser.readAllStandardOutput();
        QVERIFY2(dom.contains("<body"), browser.readAllStandardError().constData());
    }
    QCOMPARE(dom.contains(entry), listed);
    web.kill();
    web.waitForFinished();
}

QTEST_GUILESS_MAIN(tst_ForeignBrowser)
#include "tst_foreignbrowser.moc"
