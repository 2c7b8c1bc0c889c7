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
    void initTestCase();
    void webAddressRule_data();
    void webAddressRule();
    void htmlNoteEnablesUpdateAtOnce_data();
    void htmlNoteEnablesUpdateAtOnce();
    void remotePageDisablesUpdateUntilLoaded_data();
    void remotePageDisablesUpdateUntilLoaded();
    void failedLoadKeepsUpdateDisabled();
    void buttonsGiveTheResult();
    void returnActivatesUpdate();
    void mainWindowIsTheDefaultParent();

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

void tst_ZNReleaseNoteDlg::initTestCase()
{
    QVERIFY(m_server.listen());
    m_server.serve("/notes.html", "<html><body><p>Fixed crashes.</p></body></html>", 200,
                   "text/html");
}

void tst_ZNReleaseNoteDlg::webAddressRule_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("isAddress");
    QTest::newRow("http") << "http://example.invalid/notes" << true;
    QTest::newRow("https capitals") << "HTTPS://example.invalid/notes" << true;
    QTest::newRow("mixed case") << "Http://x" << true;
    QTest::newRow("html") << "<p>http://example.invalid</p>" << false;
    QTest::newRow("no slashes") << "http:notes" << false;
    QTest::newRow("ftp") << "ftp://example.invalid/notes" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("leading space") << " http://example.invalid" << false;
}

void tst_ZNReleaseNoteDlg::webAddressRule()
{
    QFETCH(QString, note);
    QFETCH(bool, isAddress);
    QCOMPARE(ZNReleaseNoteDlg::isWebAddress(note), isAddress);
}

void tst_ZNReleaseNoteDlg::htmlNoteEnablesUpdateAtOnce_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("shown");
    QTest::newRow("html") << "<h1>Version 2</h1><p>Faster export.</p>"
                          << "Faster export.";
    QTest::newRow("plain text") << "Bug fixes"
                                << "Bug fixes";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_ZNReleaseNoteDlg::htmlNoteEnablesUpdateAtOnce()
{
    QFETCH(QString, note);
    QFETCH(QString, shown);
    ZNReleaseNoteDlg dialog;
    // A remote note set before must not leave the button disabled.
    dialog.setReleaseNote(m_server.url(QStringLiteral("/notes.html")).toString());
    dialog.setReleaseNote(note);
    QVERIFY(updateButton(dialog)->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(plainText(view(dialog)).contains(shown), 10000);
    QVERIFY(updateButton(dialog)->isEnabled());
}

void tst_ZNReleaseNoteDlg::remotePageDisablesUpdateUntilLoaded_data()
{
    QTest::addColumn<bool>("capitals");
    QTest::newRow("http") << false;
    QTest::newRow("HTTP in capitals") << true;
}

void tst_ZNReleaseNoteDlg::remotePageDisablesUpdateUntilLoaded()
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

void tst_ZNReleaseNoteDlg::failedLoadKeepsUpdateDisabled()
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

void tst_ZNReleaseNoteDlg::buttonsGiveTheResult()
{
    for (const bool update : {true, false}) {
        ZNReleaseNoteDlg dialog;
        dialog.setHeading(QStringLiteral("<b>Zenub 2.0 has been released!</b>"));
        dialog.setReleaseNote(QStringLiteral("<p>Notes</p>"));
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        const QString button =
            update ? QStringLiteral("m_pBtnUpdate") : QStringLiteral("m_pBtnClose");
        QTimer::singleShot(0, &dialog,
                           [&dialog, button] { dialog.findChild<QPushButton*>(button)->click(); });
        QCOMPARE(dialog.exec(), update ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(accepted.count(), update ? 1 : 0);
        QCOMPARE(rejected.count(), update ? 0 : 1);
    }
}

void tst_ZNReleaseNoteDlg::returnActivatesUpdate()
{
    ZNReleaseNoteDlg dialog;
    dialog.setReleaseNote(QStringLiteral("<p>Notes</p>"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.isHidden());
}

void tst_ZNReleaseNoteDlg::mainWindowIsTheDefaultParent()
{
    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    auto* dialog = new ZNReleaseNoteDlg;
    QCOMPARE(dialog->parentWidget(), window);
    QVERIFY(dialog->isWindow());
    QVERIFY(dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Update Available"));
}

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    tst_ZNReleaseNoteDlg test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_znreleasenotedlg.moc"
