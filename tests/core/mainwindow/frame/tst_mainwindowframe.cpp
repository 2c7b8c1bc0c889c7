// SPDX-License-Identifier: MIT
#include <testenvironment.h>

#include <mainwindow/frame/imainmenuwidget.h>
#include <mainwindow/menus/irecentfilesmanager.h>
#include <mainwindow/mainwindow.h>
#include <mainwindow/frame/znnotificationbar.h>
#include <plugin/dpi.h>
#include <plugin/iui.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QToolButton>
#include <QWebChannel>
#include <QWebSocket>
#include <QWebSocketServer>
#include <QtTest>

namespace {

class Greeter : public QObject
{
    Q_OBJECT
public slots:
    QString greet(const QString& name) { return QStringLiteral("Hello, %1").arg(name); }
};

} // namespace

namespace {

const QString key = QStringLiteral("Zenub/RecentProjects");

QStringList numbered(int first, int last)
{
    QStringList paths;
    for (int i = first; i <= last; ++i)
        paths << QStringLiteral("/projects/p%1.zenub").arg(i);
    return paths;
}

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
        page.open(window->getChannelUrl());
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
    void changes_data()
    {
        QTest::addColumn<QStringList>("stored");
        // "+path" adds, "-path" removes.
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("added again moves to front")
            << QStringList() << QStringList{"+one", "+two", "+three", "+one"}
            << QStringList{"one", "three", "two"};
        QTest::newRow("eleventh drops the oldest")
            << numbered(1, 10) << QStringList{"+/projects/p0.zenub"}
            << QStringList{"/projects/p0.zenub"} + numbered(1, 9);
        QTest::newRow("remove") << QStringList{"a", "b", "c"} << QStringList{"-b"}
                                << QStringList{"a", "c"};
        QTest::newRow("remove takes the first of duplicates")
            << QStringList{"a", "b", "a"} << QStringList{"-a"} << QStringList{"b", "a"};
        QTest::newRow("add removes every duplicate")
            << QStringList{"a", "b", "a"} << QStringList{"+a"} << QStringList{"a", "b"};
    }
    void changes()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, calls);
        QFETCH(QStringList, expected);

        TestEnvironment environment;
        if (!stored.isEmpty())
            environment.userSettings()->setValue(key, stored);
        IRecentFilesManager* manager = IRecentFilesManager::getInstance();
        for (const QString& call : calls) {
            if (call.startsWith('+'))
                manager->addRecentFile(call.mid(1));
            else
                manager->removeRecentFile(call.mid(1));
        }
        QCOMPARE(manager->getRecentFiles(), expected);
        QCOMPARE(manager->getRecentFileCount(), expected.size());

        // Every change reaches the settings file, as a new start would read it.
        environment.reloadSettings();
        QCOMPARE(QSettings(environment.userSettingsFile(), QSettings::IniFormat)
                     .value(key)
                     .toStringList(),
                 expected);
    }
    void show_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("buttonText");
        QTest::addColumn<bool>("closeFlag");
        QTest::addColumn<QString>("icon");

        QTest::newRow("info with everything") << "Saved." << 0 << "Open" << true << "info";
        QTest::newRow("warning without button") << "Disk full." << 1 << "" << false << "warning";
        QTest::newRow("only icon and close") << "" << 1 << "" << true << "warning";
        QTest::newRow("unknown type is info") << "Hello" << 7 << "Go" << false << "info";
    }
    void show()
    {
        QFETCH(QString, message);
        QFETCH(int, type);
        QFETCH(QString, buttonText);
        QFETCH(bool, closeFlag);
        QFETCH(QString, icon);

        QWidget window;
        auto* bar = new ZNNotificationBar(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // A previous message must not leak its state into this one.
        bar->show(QStringLiteral("Earlier"), ZNNotificationBar::Warning, QStringLiteral("Earlier"),
                  !closeFlag);
        bar->show(message, static_cast<ZNNotificationBar::Type>(type), buttonText, closeFlag);

        QVERIFY(bar->isVisible());
        auto* messageLabel = child<QLabel>(*bar, "m_pMessageLabel");
        auto* button = child<QPushButton>(*bar, "m_pButton");
        QCOMPARE(messageLabel->text(), message);
        QCOMPARE(messageLabel->isVisible(), !message.isEmpty());
        QCOMPARE(button->text(), buttonText);
        QCOMPARE(button->isVisible(), !buttonText.isEmpty());
        QCOMPARE(child<QToolButton>(*bar, "m_pCloseButton")->isVisible(), closeFlag);

        const QString file = IUi::pixmapFileName(icon, IUi::Normal, 2, Dpi::screenDpi(), false);
        QVERIFY(file.startsWith(icon + QLatin1String("_16")));
        const QImage expected = QImage(QStringLiteral(":/core/images/") + file);
        QVERIFY(!expected.isNull());
        const QPixmap shown = child<QLabel>(*bar, "m_pIconLabel")->pixmap(Qt::ReturnByValue);
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.toImage().convertToFormat(expected.format()), expected);
    }

private:
    template<class T>
    static T* child(const QWidget& bar, const char* name)
    {
        return bar.findChild<T*>(QLatin1String(name));
    }
};

QTEST_MAIN(tst_MainWindowFrame)

#include "tst_mainwindowframe.moc"
