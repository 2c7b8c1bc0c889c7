// SPDX-License-Identifier: MIT
#include "httpfixture.h"
#include <desktoprecorder.h>
#include <modalanswerer.h>
#include <ownmethods.h>
#include <testenvironment.h>
#include <testfiles.h>

#include <mainwindow/mainwindow.h>
#include <updater/downloader.h>
#include <updater/updater.h>
#include <updater/updateregistry.h>
#include <updater/updatetransfer.h>
#include <updater/znreleasenotedlg.h>

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QNetworkProxy>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

#include <memory>

class tst_Updater : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        UpdateTransfer::setLocalHttpAllowed(true);
        QVERIFY(m_server.listen());
        m_server.serve("/notes.html", "<html><body><p>Fixed crashes.</p></body></html>", 200,
                       "text/html");
        qApp->installEventFilter(this);
    }
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        Downloader::setDownloadFolder(m_folder->path());
        m_updater = std::make_unique<Updater>();
        m_answerer = std::make_unique<ModalAnswerer>();
        m_desktop.urls.clear();
        m_heading.clear();
    }
    void cleanup()
    {
        m_updater.reset();
        m_answerer.reset();
        m_folder.reset();
    }

    void versionOrder_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<bool>("newer");
        QTest::newRow("1.10 > 1.9") << "1.10"
                                    << "1.9" << true;
        QTest::newRow("2.0.0 > 2.0") << "2.0.0"
                                     << "2.0" << true;
        QTest::newRow("1-beta counts as 0") << "1.1-beta"
                                            << "1.0" << false;
        QTest::newRow("0-beta with more parts") << "1.0-beta.1"
                                                << "1.0" << true;
        QTest::newRow("leading zeros") << "1.02"
                                       << "1.2" << false;
    }
    void versionOrder()
    {
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(bool, newer);
        QCOMPARE(Updater::compare(x, y), newer);
    }

    void redirectKeepsUserAgentAndReplacesUrl()
    {
        m_server.serve("/new/feed.json", feed(QStringLiteral("0.1")), 200, "application/json");
        m_server.redirect("/old/feed.json", "/new/feed.json", 301);
        const QString start = m_server.url(QStringLiteral("/old/feed.json")).toString();
        const QString target = m_server.url(QStringLiteral("/new/feed.json")).toString();
        m_updater->setUrl(start);
        m_updater->setUserAgentString(QStringLiteral("Custom/9 (Updater)"));
        const int before = m_server.requests().size();

        QSignalSpy finished(m_updater.get(), &Updater::checkingFinished);
        m_updater->checkForUpdates(true);
        QVERIFY(finished.wait(15000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toString(), target);
        QCOMPARE(m_updater->url(), target);

        const QList<HttpFixture::Request> requests = m_server.requests().mid(before);
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.at(0).path, QByteArray("/old/feed.json"));
        QCOMPARE(requests.at(1).path, QByteArray("/new/feed.json"));
        for (const HttpFixture::Request& request : requests)
            QCOMPARE(request.headers.value("user-agent"), QByteArray("Custom/9 (Updater)"));

        // The next check goes straight to the new address.
        QVERIFY(check(true));
        QCOMPARE(m_server.requests().last().path, QByteArray("/new/feed.json"));
        QCOMPARE(m_server.requestCount("/old/feed.json"), 1);
    }
    void failedChecksEndWithoutUpdate_data()
    {
        QTest::addColumn<QString>("url");
        // A feed that would offer an update, so only the refusal keeps it out.
        const QString local = m_localFeeds.filePath(QStringLiteral("feed.json"));
        QVERIFY(writeFile(local, feed(QStringLiteral("99.0"))));
        m_server.redirect("/to-file.json", QUrl::fromLocalFile(local).toEncoded());
        QTest::newRow("not found") << m_server.url(QStringLiteral("/missing.json")).toString();
        QTest::newRow("redirect to a file")
            << m_server.url(QStringLiteral("/to-file.json")).toString();
        // Refused before any request: nothing outside this machine is asked.
        QTest::newRow("plain http feed") << "http://zenub.korva.example/feed.json";
    }
    void failedChecksEndWithoutUpdate()
    {
        QFETCH(QString, url);
        m_updater->setNotifyOnUpdate(false);
        QJsonObject entry{{QStringLiteral("changelog"), QStringLiteral("<p>kept</p>")},
                          {QStringLiteral("open-url"), QStringLiteral("https://zenub.example/")}};
        useFeed(feed(QStringLiteral("9.0"), entry));
        QVERIFY(check(true));
        QVERIFY(m_updater->updateAvailable());

        m_updater->setUrl(url);
        QVERIFY(check(true));
        QVERIFY(!m_updater->updateAvailable());
        // The fields of the last good feed stay.
        QCOMPARE(m_updater->latestVersion(), QStringLiteral("9.0"));
        QCOMPARE(m_updater->changelog(), QStringLiteral("<p>kept</p>"));
        QCOMPARE(m_answerer->answered(), 0);
    }
    void noUpdateIsToldOnlyWhenAskedAndNotSilent_data()
    {
        QTest::addColumn<bool>("notifyOnFinish");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("boxes");
        QTest::newRow("asked") << true << false << 1;
        QTest::newRow("not asked") << false << false << 0;
        QTest::newRow("silent") << true << true << 0;
    }
    void noUpdateIsToldOnlyWhenAskedAndNotSilent()
    {
        QFETCH(bool, notifyOnFinish);
        QFETCH(bool, silent);
        QFETCH(int, boxes);
        useFeed(feed(QStringLiteral("0.0.1")));
        m_updater->setNotifyOnFinish(notifyOnFinish);
        m_answerer->answer(QMessageBox::Close);
        QVERIFY(check(silent));
        QVERIFY(!m_updater->updateAvailable());
        QCOMPARE(m_answerer->answered(), boxes);
    }
    void registryKeepsOneUpdaterPerAddress()
    {
        // Settings made for one address are seen by later calls for it, and only for it.
        UpdateRegistry* registry = UpdateRegistry::getInstance();
        const QString first = m_server.url(QStringLiteral("/first.json")).toString();
        registry->setModuleName(first, QStringLiteral("Kept"));
        QCOMPARE(registry->getModuleName(first), QStringLiteral("Kept"));
        QVERIFY(registry->getModuleName(first + QStringLiteral("?other")) != QLatin1String("Kept"));
    }
    void releaseNotesDialog_data()
    {
        QTest::addColumn<bool>("notifyOnUpdate");
        QTest::addColumn<bool>("notifyOnFinish");
        QTest::addColumn<bool>("shown");
        QTest::newRow("notify on update") << true << false << true;
        QTest::newRow("neither") << false << false << false;
    }
    void releaseNotesDialog()
    {
        QFETCH(bool, notifyOnUpdate);
        QFETCH(bool, notifyOnFinish);
        QFETCH(bool, shown);
        m_updater->setNotifyOnUpdate(notifyOnUpdate);
        m_updater->setNotifyOnFinish(notifyOnFinish);
        m_updater->setModuleName(QStringLiteral("Zenub"));
        const QJsonObject entry{
            {QStringLiteral("changelog"), QStringLiteral("<p>Notes</p>")},
            {QStringLiteral("download-url"), m_server.url(QStringLiteral("/x.exe")).toString()},
            {QStringLiteral("sha256"), QString(64, QLatin1Char('a'))}};
        useFeed(feed(QStringLiteral("2.0"), entry));
        m_answerer->finish(QDialog::Rejected);
        const int before = m_server.requests().size();
        QVERIFY(check(false));
        QCOMPARE(m_answerer->answered(), shown ? 1 : 0);
        QVERIFY(m_updater->updateAvailable());
        if (shown) {
            QCOMPARE(m_answerer->texts().first(), QStringLiteral("Update Available"));
            QCOMPARE(m_heading, QStringLiteral("<b>Zenub 2.0 has been released!</b>"));
        }
        // Close does nothing further.
        QCOMPARE(m_server.requests().size(), before + 1);
        QVERIFY(m_desktop.urls.isEmpty());
    }
    void acceptingDownloads_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("trailing slash") << QByteArray("/files/") << "Zenub_Update.bin";
    }
    void acceptingDownloads()
    {
        QFETCH(QByteArray, path);
        QFETCH(QString, fileName);
        const QByteArray body(4096, 'z');
        m_server.serve(path, body);
        const QString downloadUrl = m_server.url(QString::fromLatin1(path)).toString();
        useFeed(feed(QStringLiteral("2.0"),
                     {{QStringLiteral("download-url"), downloadUrl},
                      {QStringLiteral("sha256"),
                       QString::fromLatin1(
                           QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex())}}));
        m_updater->setUseCustomInstallProcedures(true);
        m_updater->setUserAgentString(QStringLiteral("Agent/3"));
        QSignalSpy downloaded(m_updater.get(), &Updater::downloadFinished);
        m_answerer->finish(QDialog::Accepted);
        QVERIFY(check(false));
        QTRY_COMPARE(downloaded.count(), 1);
        QCOMPARE(downloaded.first().at(0).toString(), m_updater->url());
        QCOMPARE(downloaded.first().at(1).toString(), QDir(m_folder->path()).filePath(fileName));
        QCOMPARE(downloadedFiles(), QStringList{fileName});
        QCOMPARE(m_server.requests().last().headers.value("user-agent"), QByteArray("Agent/3"));
        QVERIFY(m_desktop.urls.isEmpty());
    }
    void unsafeEntriesAreRefusedBeforeBeingOffered_data()
    {
        QTest::addColumn<QString>("openUrl");
        QTest::addColumn<QString>("downloadUrl");
        QTest::addColumn<QString>("digest");
        QTest::addColumn<QString>("reason");
        const QString digest(64, QLatin1Char('0'));
        const QString local = m_server.url(QStringLiteral("/setup.exe")).toString();
        QTest::newRow("page is a program")
            << "file:///usr/bin/xterm"
            << "" << digest << "page address \"file:///usr/bin/xterm\" is not";
        QTest::newRow("download is a program")
            << ""
            << "file:///bin/sh" << digest << "download address \"file:///bin/sh\" is not";
        QTest::newRow("plain http download")
            << ""
            << "http://zenub.korva.example/setup.exe" << digest << "not a secure (https) address";
        QTest::newRow("no checksum") << "" << local << ""
                                     << "gives no checksum (sha256)";
        QTest::newRow("checksum one digit short")
            << "" << local << digest.left(63) << "gives no checksum (sha256)";
        QTest::newRow("nothing to offer") << ""
                                          << "" << digest << "names neither";
    }
    void unsafeEntriesAreRefusedBeforeBeingOffered()
    {
        QFETCH(QString, openUrl);
        QFETCH(QString, downloadUrl);
        QFETCH(QString, digest);
        QFETCH(QString, reason);
        useFeed(feed(QStringLiteral("2.0"), {{QStringLiteral("open-url"), openUrl},
                                             {QStringLiteral("download-url"), downloadUrl},
                                             {QStringLiteral("sha256"), digest}}));
        m_updater->setNotifyOnFinish(true);
        QSignalSpy downloaded(m_updater.get(), &Updater::downloadFinished);
        const int before = m_server.requests().size();
        m_answerer->answer(QMessageBox::Ok);
        QVERIFY(check(false));
        // One warning, and no release notes offering the update.
        QCOMPARE(m_answerer->answered(), 1);
        QVERIFY2(m_answerer->texts().first().contains(reason),
                 qPrintable(m_answerer->texts().first()));
        QVERIFY(!m_updater->updateAvailable());
        QVERIFY(m_desktop.urls.isEmpty());
        QCOMPARE(m_server.requests().size(), before + 1);
        QCOMPARE(downloaded.count(), 0);
        QVERIFY(downloadedFiles().isEmpty());
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

private:
    QByteArray feed(const QString& version, QJsonObject entry = QJsonObject(),
                    const QString& platform = QStringLiteral("windows")) const
    {
        entry.insert(QStringLiteral("latest-version"), version);
        QJsonObject updates{{platform, entry}};
        return QJsonDocument(QJsonObject{{QStringLiteral("updates"), updates}}).toJson();
    }
    // Serves \a body at a fresh path and points the updater there.
    void useFeed(const QByteArray& body)
    {
        const QByteArray path = "/feed" + QByteArray::number(++m_feedCount) + ".json";
        m_server.serve(path, body, 200, "application/json");
        m_updater->setUrl(m_server.url(QString::fromLatin1(path)).toString());
    }
    bool check(bool silent)
    {
        QSignalSpy finished(m_updater.get(), &Updater::checkingFinished);
        m_updater->checkForUpdates(silent);
        return finished.count() == 1 || finished.wait(15000);
    }
    QStringList downloadedFiles() const
    {
        return QDir(Downloader::downloadFolder()).entryList(QDir::Files);
    }

    HttpFixture m_server;
    QTemporaryDir m_localFeeds;
    DesktopRecorder m_desktop;
    int m_feedCount = 0;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<Updater> m_updater;
    std::unique_ptr<ModalAnswerer> m_answerer;
    QString m_heading;

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

protected:
    // Records the heading of a release-notes dialog as it is shown.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto* dialog = qobject_cast<ZNReleaseNoteDlg*>(watched))
                m_heading = dialog->findChild<QLabel*>(QStringLiteral("m_pHeadingLabel"))->text();
        }
        return QObject::eventFilter(watched, event);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Zenub"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    tst_Updater test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_updater.moc"
