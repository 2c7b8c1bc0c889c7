// SPDX-License-Identifier: MIT
#include <testenvironment.h>

#include <mainwindow/mainwindow.h>
#include <mainwindow/welcome/znhtmlexposingwelcome.h>

#include <QAbstractButton>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QWebSocket>
#include <QWebSocketServer>
#include <QtTest>

/*! A local page that floods "znwelcome" with calls that each want to tell the user something. */
class tst_ChannelFlood : public QObject
{
    Q_OBJECT
private slots:
    void oneBoxPerReportAtATime();
};

void tst_ChannelFlood::oneBoxPerReportAtATime()
{
    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    QWebSocket client;
    int responses = 0;
    connect(&client, &QWebSocket::textMessageReceived, [&responses](const QString& text) {
        responses += QJsonDocument::fromJson(text.toUtf8())["type"].toInt() == 10;
    });
    client.open(window->getChannelUrl());
    QTRY_VERIFY(client.state() == QAbstractSocket::ConnectedState);

    // Two reports, repeated: a link the desktop must not open and a missing file.
    const QMetaObject& meta = ZNHTMLExposingWelcome::staticMetaObject;
    const int calls = 3000;
    for (int id = 0; id < calls; ++id) {
        const bool link = id % 2 == 0;
        const QJsonObject message{
            {"type", 6},
            {"id", id},
            {"object", "znwelcome"},
            {"method", meta.indexOfMethod(link ? "openURL(QString)" : "openFile(QString)")},
            {"args", QJsonArray{link ? "file:///etc/passwd" : "gone/missing.pdf"}}};
        client.sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson()));
    }

    // Watches the screen while the calls are handled; once all are, answers what is shown.
    int mostAtOnce = 0;
    QStringList answered;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        QList<QMessageBox*> shown;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
                shown << box;
        mostAtOnce = qMax(mostAtOnce, shown.size());
        if (responses == calls && shown.size() == 1) {
            answered << shown[0]->text();
            shown[0]->button(QMessageBox::Ok)->click();
        }
    });
    watch.start(5);
    QTRY_VERIFY_WITH_TIMEOUT(responses == calls && answered.size() == 2, 30000);
    QTest::qWait(300);
    QCOMPARE(mostAtOnce, 1);
    QCOMPARE(answered.size(), 2);
    QVERIFY(answered[0].startsWith("URL: file:///etc/passwd"));
    QVERIFY(answered[1].contains("missing.pdf"));
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(client.state(), QAbstractSocket::ConnectedState);
}

QTEST_MAIN(tst_ChannelFlood)
#include "tst_channelflood.moc"
