// SPDX-License-Identifier: MIT
#include "runscript.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QWebChannel>
#include <QWebChannelAbstractTransport>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWebSocket>
#include <QWebSocketServer>
#include <QtTest>

#include <memory>

namespace {

// Carries the channel's messages over one WebSocket, one compact JSON object per frame.
class SocketTransport : public QWebChannelAbstractTransport
{
    Q_OBJECT
public:
    explicit SocketTransport(QWebSocket* socket)
        : QWebChannelAbstractTransport(socket)
        , m_socket(socket)
    {
        connect(socket, &QWebSocket::textMessageReceived, this, [this](const QString& text) {
            const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
            if (document.isObject())
                emit messageReceived(document.object(), this);
        });
    }

    void sendMessage(const QJsonObject& message) override
    {
        m_socket->sendTextMessage(
            QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
    }

private:
    QWebSocket* m_socket;
};

// Stands in for the application's welcome object and records what the page asks of it.
class FakeWelcome : public QObject
{
    Q_OBJECT
public:
    QStringList recentFiles;
    QString locale = QStringLiteral("en_US");
    QStringList calls;

signals:
    void resetRecentFiles();

public slots:
    void showInExplorer(QString strFileName) { calls << QStringLiteral("reveal ") + strFileName; }
    void removeFile(QString strFile)
    {
        calls << QStringLiteral("remove ") + strFile;
        recentFiles.removeAll(strFile);
        emit resetRecentFiles();
    }
    QStringList getRecentFileList() { return recentFiles; }
    void callbackTunnelAsync(QString cmd) { calls << QStringLiteral("command ") + cmd; }
    QString callbackAsyncfromJS(QString cmd, QString)
    {
        if (cmd == QLatin1String("WelcomeScreen.getLocale"))
            return locale;
        if (cmd == QLatin1String("WelcomeScreen.getBuildNumber"))
            return QStringLiteral("3.0.1");
        return QString();
    }
    void openURL(QString strURL) { calls << QStringLiteral("url ") + strURL; }
    void openFile(QString strFile) { calls << QStringLiteral("open ") + strFile; }
    QVariantMap getResourceUrls()
    {
        return {{QStringLiteral("homepage"), QStringLiteral("https://zenub.example/")},
                {QStringLiteral("community"), QStringLiteral("https://forum.zenub.example/")},
                {QStringLiteral("demo"), QStringLiteral("https://zenub.example/demos")},
                {QStringLiteral("youtube"), QStringLiteral("https://video.example/zenub")},
                {QStringLiteral("facebook"), QStringLiteral("https://social.example/zenub")}};
    }
};

const QStringList sampleFiles{QStringLiteral("/home/ann/Projects/Intro.zenub"),
                              QStringLiteral("C:\\Work\\Ad <b>bold.zenubpack"),
                              QStringLiteral("/tmp/Short.zenub")};

} // namespace

class tst_WelcomePage : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_welcome = std::make_unique<FakeWelcome>();
        m_welcome->recentFiles = sampleFiles;
        m_channel = std::make_unique<QWebChannel>();
        m_channel->registerObject(QStringLiteral("znwelcome"), m_welcome.get());
        m_server = std::make_unique<QWebSocketServer>(QStringLiteral("ZNServer"),
                                                      QWebSocketServer::NonSecureMode);
        QVERIFY(m_server->listen(QHostAddress::LocalHost));
        connect(m_server.get(), &QWebSocketServer::newConnection, this, [this] {
            while (QWebSocket* socket = m_server->nextPendingConnection()) {
                socket->setParent(m_server.get());
                m_channel->connectTo(new SocketTransport(socket));
            }
        });
        m_view = std::make_unique<QWebEngineView>();
        m_view->resize(1280, 800);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }
    void cleanup()
    {
        m_view.reset();
        m_server.reset();
        m_channel.reset();
        m_welcome.reset();
    }
    void listsRecentProjects()
    {
        QVERIFY(open());
        const QVariantList names =
            evaluate(QStringLiteral("Array.from(document.querySelectorAll('.recent-name'), "
                                    "e => e.textContent)"))
                .toList();
        QCOMPARE(names, (QVariantList{QStringLiteral("Intro.zenub"),
                                      QStringLiteral("Ad <b>bold.zenubpack"),
                                      QStringLiteral("Short.zenub")}));
        const QVariantList folders =
            evaluate(QStringLiteral("Array.from(document.querySelectorAll('.recent-path'), "
                                    "e => e.textContent)"))
                .toList();
        QCOMPARE(folders, (QVariantList{QStringLiteral("/home/ann/Projects"),
                                        QStringLiteral("C:\\Work"), QStringLiteral("/tmp")}));
        // A file name is shown as text, never interpreted as markup.
        QCOMPARE(
            evaluate(QStringLiteral("document.querySelectorAll('#recent-list b').length")).toInt(),
            0);
        QCOMPARE(evaluate(QStringLiteral("Array.from(document.querySelectorAll('.resource-link'), "
                                         "e => e.dataset.key).join()"))
                     .toString(),
                 QStringLiteral("homepage,community,demo,youtube,facebook"));
        QCOMPARE(evaluate(QStringLiteral("document.getElementById('build-number').textContent"))
                     .toString(),
                 QStringLiteral("Version 3.0.1"));
        QVERIFY(m_welcome->calls.isEmpty());

        const QString picture = qEnvironmentVariable("ZENUB_WELCOME_SCREENSHOT");
        if (!picture.isEmpty()) {
            // Let the fade-in finish and two frames reach the screen before taking the picture.
            QVERIFY(waitUntil(QStringLiteral("document.getAnimations().length === 0")));
            evaluate(QStringLiteral("window.painted = false; requestAnimationFrame(() => "
                                    "requestAnimationFrame(() => { window.painted = true; }))"));
            QVERIFY(waitUntil(QStringLiteral("window.painted")));
            QVERIFY(m_view->grab().save(picture));
        }
    }

private:
    bool open(bool withPort = true);
    QVariant evaluate(const QString& script);
    bool waitUntil(const QString& script);

    std::unique_ptr<FakeWelcome> m_welcome;
    std::unique_ptr<QWebChannel> m_channel;
    std::unique_ptr<QWebSocketServer> m_server;
    std::unique_ptr<QWebEngineView> m_view;
};

bool tst_WelcomePage::open(bool withPort)
{
    QUrl url(QStringLiteral("qrc:///welcome/index.html"));
    if (withPort)
        url.setQuery(QStringLiteral("port=%1").arg(m_server->serverPort()));
    QSignalSpy loaded(m_view.get(), &QWebEngineView::loadFinished);
    m_view->load(url);
    if (!loaded.wait(20000) || !loaded.constFirst().constFirst().toBool())
        return false;
    return !withPort ||
           waitUntil(QStringLiteral("document.body.getAttribute('data-state') === 'ready' && "
                                    "document.querySelectorAll('.recent-item').length === %1")
                         .arg(m_welcome->recentFiles.size()));
}

QVariant tst_WelcomePage::evaluate(const QString& script)
{
    return runScript(m_view->page(), script);
}

bool tst_WelcomePage::waitUntil(const QString& script)
{
    return QTest::qWaitFor([&] { return evaluate(script).toBool(); }, 10000);
}

QTEST_MAIN(tst_WelcomePage)
#include "tst_welcomepage.moc"
