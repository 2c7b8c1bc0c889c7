#include "httpfixture.h"

#include <testenvironment.h>

#include <mainwindow/mainwindow.h>
#include <updater/znreleasenotedlg.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

class tst_ZNReleaseNoteDlg : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_server.listen());
        m_server.serve("/notes.html", "<html><body><p>Fixed crashes.</p></body></html>", 200,
                       "text/html");
    }
    void remotePageDisablesUpdateUntilLoaded_data()
    {
        QTest::addColumn<bool>("capitals");
        QTest::newRow("HTTP in capitals") << true;
    }
    void remotePageDisablesUpdateUntilLoaded()
    {
        QFETCH(bool, capitals);
        QString address = m_server.url(QStringLiteral("/notes.html")).toString();
        if (capitals)
            address.replace(0, 4, QStringLiteral("HTTP"));
        const int before = m_server.requestCount("/notes.html");
        ZNReleaseNoteDlg dialog;
        dialog.setReleaseNote(address);
        QVERIFY(!updateButton(dialog)->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(updateButton(dialog)->isEnabled(), 20000);
        QCOMPARE(m_server.requestCount("/notes.html"), before + 1);
        QVERIFY(plainText(view(dialog)).contains(QStringLiteral("Fixed crashes.")));
    }
    void failedLoadKeepsUpdateDisabled()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();

        ZNReleaseNoteDlg dialog;
        QSignalSpy loads(view(dialog), &QWebEngineView::loadFinished);
        dialog.setReleaseNote(QStringLiteral("http://127.0.0.1:%1/notes.html").arg(port));
        // The failed load, then the failure text's own successful load.
        QTRY_VERIFY_WITH_TIMEOUT(loads.count() >= 2, 20000);
        QCOMPARE(loads.first().first().toBool(), false);
        QCOMPARE(loads.last().first().toBool(), true);
        QVERIFY(plainText(view(dialog)).contains(QStringLiteral("Failed to load release notes.")));
        QVERIFY(!updateButton(dialog)->isEnabled());
    }

private:
    static QPushButton* updateButton(ZNReleaseNoteDlg& dialog)
    {
        return dialog.findChild<QPushButton*>(QStringLiteral("m_pBtnUpdate"));
    }
    static QWebEngineView* view(ZNReleaseNoteDlg& dialog)
    {
        return dialog.findChild<QWebEngineView*>(QStringLiteral("m_pWebViewRL"));
    }
    static QString plainText(QWebEngineView* view)
    {
        QString text;
        bool done = false;
        view->page()->toPlainText([&](const QString& result) {
            text = result;
            done = true;
        });
        QDeadlineTimer deadline(10000);
        while (!done && !deadline.hasExpired())
            QTest::qWait(10);
        return text;
    }

    HttpFixture m_server;
};

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    tst_ZNReleaseNoteDlg test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_znreleasenotedlg.moc"
