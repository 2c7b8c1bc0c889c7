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

// The density the window system reports is fixed under Xvfb; this window reads a chosen one.
class DensityWindow : public MainWindow
{
public:
    int dpi = 96;

protected:
    int currentLogicalDpiX() const override { return dpi; }
};

class Greeter : public QObject
{
    Q_OBJECT
public slots:
    QString greet(const QString& name) { return QStringLiteral("Hello, %1").arg(name); }
};

QStringList infoMessages;
QtMessageHandler previousHandler = nullptr;

void recordInfo(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtInfoMsg)
        infoMessages << message;
    previousHandler(type, context, message);
}

} // namespace

class tst_MainWindowFrame : public QObject
{
    Q_OBJECT
private slots:
    void pageReachesPublishedObject();
    void destructionClosesServer();
    void notification_data();
    void notification();
    void densityWatch();
    void frameIsFramelessWithResizeBorders();
};

void tst_MainWindowFrame::pageReachesPublishedObject()
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
    const QJsonArray methods =
        init.value(QStringLiteral("greeter")).toObject().value(QStringLiteral("methods")).toArray();
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

void tst_MainWindowFrame::destructionClosesServer()
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

void tst_MainWindowFrame::notification_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("buttonText");
    QTest::addColumn<bool>("closeFlag");

    QTest::newRow("warning with button") << "Update ready." << 1 << "Install" << true;
    QTest::newRow("empty message") << "" << 0 << "" << false;
}

void tst_MainWindowFrame::notification()
{
    QFETCH(QString, message);
    QFETCH(int, type);
    QFETCH(QString, buttonText);
    QFETCH(bool, closeFlag);

    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* titleBar = qobject_cast<IMainMenuWidget*>(window->menuWidget());
    QVERIFY(titleBar);
    ZNNotificationBar* bar = window->getNotificationBar();
    QCOMPARE(bar, titleBar->getNotificationBar());
    QVERIFY(bar->isHidden());

    infoMessages.clear();
    previousHandler = qInstallMessageHandler(recordInfo);
    window->showNotification(message, static_cast<ZNNotificationBar::Type>(type), buttonText,
                             closeFlag);
    qInstallMessageHandler(previousHandler);
    QCOMPARE(infoMessages, message.isEmpty() ? QStringList() : QStringList(message));

    QVERIFY(bar->isVisible());
    QCOMPARE(bar->findChild<QLabel*>(QStringLiteral("m_pMessageLabel"))->text(), message);
    QCOMPARE(bar->findChild<QPushButton*>(QStringLiteral("m_pButton"))->text(), buttonText);
    window->hideNotification();
    QVERIFY(bar->isHidden());
}

void tst_MainWindowFrame::densityWatch()
{
    TestEnvironment environment;
    auto* window = new DensityWindow;
    const std::unique_ptr<DensityWindow> owner(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const int initial = static_cast<int>(window->windowHandle()->screen()->logicalDotsPerInchX());
    QCOMPARE(window->getLogicalDotPerInchX(), initial);
    QCOMPARE(window->contentsMargins(), QMargins(1, 1, 1, 1));

    QSignalSpy changes(window, &MainWindow::dpiChanged);
    auto announce = [window] {
        QMetaObject::invokeMethod(window->windowHandle()->screen(), "logicalDotsPerInchChanged",
                                  Q_ARG(qreal, 0.0));
    };
    struct Step
    {
        int dpi;
        int margin;
    };
    for (const Step step : {Step{192, 2}, Step{144, 1}, Step{95, 0}}) {
        window->dpi = step.dpi;
        announce();
        announce();
        QTRY_COMPARE(changes.count(), 1);
        QCOMPARE(changes.takeFirst().first().toInt(), step.dpi);
        QCOMPARE(window->contentsMargins(),
                 QMargins(step.margin, step.margin, step.margin, step.margin));
        QCOMPARE(window->getLogicalDotPerInchX(), step.dpi);
    }

    // Moving to another screen checks the density of the new one.
    window->dpi = 168;
    QMetaObject::invokeMethod(window->windowHandle(), "screenChanged",
                              Q_ARG(QScreen*, window->windowHandle()->screen()));
    QTRY_COMPARE(changes.count(), 1);
    QCOMPARE(changes.takeFirst().first().toInt(), 168);

    // The title bar reloads its icons and keeps the maximise state in step.
    window->showMaximized();
    QTRY_VERIFY(window->isMaximized());
    window->dpi = 120;
    announce();
    QTRY_COMPARE(changes.count(), 1);
    auto* button = window->findChild<QPushButton*>(QStringLiteral("maximizeButton"));
    QCOMPARE(button->toolTip(), QStringLiteral("Restore Down"));
}

void tst_MainWindowFrame::frameIsFramelessWithResizeBorders()
{
    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    window->resize(700, 500);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // The frame must follow the native window that exists after the window flags were set.
    QWindow* handle = window->windowHandle();
    QTest::mouseMove(handle, QPoint(350, 400));
    QTest::mouseMove(handle, QPoint(1, 400));
    QTRY_COMPARE(handle->cursor().shape(), Qt::SizeHorCursor);
    QTest::mouseMove(handle, QPoint(698, 498));
    QTRY_COMPARE(handle->cursor().shape(), Qt::SizeFDiagCursor);
}

QTEST_MAIN(tst_MainWindowFrame)
#include "tst_mainwindowframe.moc"
