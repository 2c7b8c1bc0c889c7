#include "httpfixture.h"

#include <desktoprecorder.h>
#include <ownmethods.h>

#include <modalanswerer.h>

#include <updater/downloader.h>
#include <updater/updater.h>
#include <updater/znreleasenotedlg.h>

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMetaMethod>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class tst_Updater : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void interfaceOrder();
    void versionOrder_data();
    void versionOrder();
    void fileNameFromUrl_data();
    void fileNameFromUrl();
    void defaults();

    void checkComparesWithInstalledVersion_data();
    void checkComparesWithInstalledVersion();
    void feedFieldsAreRead();
    void redirectKeepsUserAgentAndReplacesUrl();
    void failedChecksEndWithoutUpdate_data();
    void failedChecksEndWithoutUpdate();
    void latestVersionBox_data();
    void latestVersionBox();
    void releaseNotesDialog_data();
    void releaseNotesDialog();
    void customAppcastIsHandedOver_data();
    void customAppcastIsHandedOver();
    void acceptingOpensWebPage();
    void acceptingDownloads_data();
    void acceptingDownloads();
    void acceptingWithoutDownloaderOpensBrowser();
    void checksumMismatchDeletesDownload();
    void nonWebAddressesAreRefused_data();
    void nonWebAddressesAreRefused();

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
    DesktopRecorder m_desktop;
    int m_feedCount = 0;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<Updater> m_updater;
    std::unique_ptr<ModalAnswerer> m_answerer;
    QString m_heading;

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

void tst_Updater::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(m_server.listen());
    qApp->installEventFilter(this);
}

void tst_Updater::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    Downloader::setDownloadFolder(m_folder->path());
    m_updater = std::make_unique<Updater>();
    m_answerer = std::make_unique<ModalAnswerer>();
    m_desktop.urls.clear();
    m_heading.clear();
}

void tst_Updater::cleanup()
{
    m_updater.reset();
    m_answerer.reset();
    m_folder.reset();
}

void tst_Updater::interfaceOrder()
{
    const QStringList methods = ownMethodSignatures(Updater::staticMetaObject);
    const QStringList expected{
        "checkingFinished(QString)",
        "downloadFinished(QString,QString)",
        "appcastDownloaded(QString,QByteArray)",
        "checkForUpdates(bool)",
        "setUrl(QString)",
        "setModuleName(QString)",
        "setNotifyOnUpdate(bool)",
        "setNotifyOnFinish(bool)",
        "setUserAgentString(QString)",
        "setModuleVersion(QString)",
        "setDownloaderEnabled(bool)",
        "setPlatformKey(QString)",
        "setUseCustomAppcast(bool)",
        "setUseCustomInstallProcedures(bool)",
        "onReply(QNetworkReply*)",
        "setUpdateAvailable(bool)",
    };
    QCOMPARE(methods, expected);
}

void tst_Updater::versionOrder_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<bool>("newer");
    QTest::newRow("1.10 > 1.9") << "1.10"
                                << "1.9" << true;
    QTest::newRow("1.9 < 1.10") << "1.9"
                                << "1.10" << false;
    QTest::newRow("2.0.0 > 2.0") << "2.0.0"
                                 << "2.0" << true;
    QTest::newRow("2.0 not > 2.0.0") << "2.0"
                                     << "2.0.0" << false;
    QTest::newRow("equal") << "1.2.3"
                           << "1.2.3" << false;
    QTest::newRow("major wins") << "2.0"
                                << "1.99.99" << true;
    QTest::newRow("10 > 9") << "10"
                            << "9" << true;
    QTest::newRow("0-beta counts as 0") << "1.0-beta"
                                        << "1.0" << false;
    QTest::newRow("1-beta counts as 0") << "1.1-beta"
                                        << "1.0" << false;
    QTest::newRow("0-beta with more parts") << "1.0-beta.1"
                                            << "1.0" << true;
    QTest::newRow("empty part") << "1..2"
                                << "1.0.2" << false;
    QTest::newRow("both empty") << ""
                                << "" << false;
    QTest::newRow("empty feed") << ""
                                << "1.0" << false;
    QTest::newRow("empty installed") << "1"
                                     << "" << true;
    QTest::newRow("leading zeros") << "1.02"
                                   << "1.2" << false;
}

void tst_Updater::versionOrder()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(bool, newer);
    QCOMPARE(Updater::compare(x, y), newer);
}

void tst_Updater::fileNameFromUrl_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("name");
    QTest::newRow("file") << "https://example.invalid/files/Zenub-2.0.exe"
                          << "Zenub-2.0.exe";
    QTest::newRow("trailing slash") << "https://example.invalid/files/"
                                    << "";
    QTest::newRow("no slash") << "setup.exe"
                              << "setup.exe";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_Updater::fileNameFromUrl()
{
    QFETCH(QString, url);
    QFETCH(QString, name);
    QCOMPARE(Updater::fileNameFromUrl(url), name);
}

void tst_Updater::defaults()
{
    QCOMPARE(m_updater->userAgentString(), QStringLiteral("Zenub/1.0.0 (Updater)"));
    QCOMPARE(m_updater->platformKey(), QStringLiteral("windows"));
    QCOMPARE(m_updater->moduleName(), QStringLiteral("Zenub"));
    QCOMPARE(m_updater->moduleVersion(), QStringLiteral("1.0.0"));
    QVERIFY(m_updater->notifyOnUpdate());
    QVERIFY(!m_updater->notifyOnFinish());
    QVERIFY(m_updater->downloaderEnabled());
    QVERIFY(!m_updater->customAppcast());
    QVERIFY(!m_updater->useCustomInstallProcedures());
    QVERIFY(!m_updater->updateAvailable());
    m_updater->setUseCustomInstallProcedures(true);
    QVERIFY(m_updater->useCustomInstallProcedures());
}

void tst_Updater::checkComparesWithInstalledVersion_data()
{
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("latest");
    QTest::addColumn<bool>("available");
    QTest::newRow("1.2 against 1.2.0") << "1.2"
                                       << "1.2.0" << true;
    QTest::newRow("1.2.0 against 1.2") << "1.2.0"
                                       << "1.2" << false;
    QTest::newRow("1.9 against 1.10") << "1.9"
                                      << "1.10" << true;
    QTest::newRow("same") << "2.0"
                          << "2.0" << false;
    QTest::newRow("empty latest") << "1.0"
                                  << "" << false;
}

void tst_Updater::checkComparesWithInstalledVersion()
{
    QFETCH(QString, installed);
    QFETCH(QString, latest);
    QFETCH(bool, available);
    m_updater->setNotifyOnUpdate(false);
    m_updater->setModuleVersion(installed);
    useFeed(feed(latest));
    QVERIFY(check(true));
    QCOMPARE(m_updater->updateAvailable(), available);
    QCOMPARE(m_server.requests().last().headers.value("user-agent"),
             QByteArray("Zenub/1.0.0 (Updater)"));
    QCOMPARE(m_answerer->answered(), 0);
}

void tst_Updater::feedFieldsAreRead()
{
    QJsonObject linux{{QStringLiteral("open-url"), QStringLiteral("https://example.invalid/l")},
                      {QStringLiteral("changelog"), QStringLiteral("<p>Linux notes</p>")},
                      {QStringLiteral("download-url"), 42},
                      {QStringLiteral("sha256"), QStringLiteral("abc")}};
    QJsonObject windows{{QStringLiteral("download-url"), QStringLiteral("https://x/w.exe")},
                        {QStringLiteral("latest-version"), QStringLiteral("7.0")}};
    linux.insert(QStringLiteral("latest-version"), QStringLiteral("3.1"));
    const QJsonObject updates{{QStringLiteral("linux"), linux},
                              {QStringLiteral("windows"), windows}};
    useFeed(QJsonDocument(QJsonObject{{QStringLiteral("updates"), updates}}).toJson());
    m_updater->setNotifyOnUpdate(false);
    m_updater->setPlatformKey(QStringLiteral("linux"));
    QVERIFY(check(true));
    QCOMPARE(m_updater->latestVersion(), QStringLiteral("3.1"));
    QCOMPARE(m_updater->openUrl(), QStringLiteral("https://example.invalid/l"));
    QCOMPARE(m_updater->changelog(), QStringLiteral("<p>Linux notes</p>"));
    QCOMPARE(m_updater->downloadUrl(), QString());
    QCOMPARE(m_updater->sha256(), QStringLiteral("abc"));
    QVERIFY(m_updater->updateAvailable());

    // A later feed overwrites every field, absent ones with empty strings.
    m_updater->setPlatformKey(QStringLiteral("windows"));
    QVERIFY(check(true));
    QCOMPARE(m_updater->latestVersion(), QStringLiteral("7.0"));
    QCOMPARE(m_updater->openUrl(), QString());
    QCOMPARE(m_updater->changelog(), QString());
    QCOMPARE(m_updater->sha256(), QString());
    QCOMPARE(m_updater->downloadUrl(), QStringLiteral("https://x/w.exe"));

    // No entry for the platform: nothing newer.
    m_updater->setPlatformKey(QStringLiteral("amiga"));
    QVERIFY(check(true));
    QVERIFY(!m_updater->updateAvailable());
    QCOMPARE(m_updater->latestVersion(), QString());
}

void tst_Updater::redirectKeepsUserAgentAndReplacesUrl()
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

void tst_Updater::failedChecksEndWithoutUpdate_data()
{
    QTest::addColumn<QString>("url");
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const quint16 port = closed.serverPort();
    closed.close();
    m_server.serve("/garbage.json", "<html>not json</html>", 200, "text/html");
    m_server.serve("/truncated.json", "{\"updates\": {\"windows\": {", 200, "application/json");
    m_server.redirect("/to-file.json", "file:///etc/hostname");
    m_server.redirect("/loop.json", "/loop.json");
    QTest::newRow("not found") << m_server.url(QStringLiteral("/missing.json")).toString();
    QTest::newRow("connection refused") << QStringLiteral("http://127.0.0.1:%1/f").arg(port);
    QTest::newRow("not JSON") << m_server.url(QStringLiteral("/garbage.json")).toString();
    QTest::newRow("truncated JSON") << m_server.url(QStringLiteral("/truncated.json")).toString();
    QTest::newRow("redirect to a file") << m_server.url(QStringLiteral("/to-file.json")).toString();
    QTest::newRow("redirect loop") << m_server.url(QStringLiteral("/loop.json")).toString();
}

void tst_Updater::failedChecksEndWithoutUpdate()
{
    QFETCH(QString, url);
    m_updater->setNotifyOnUpdate(false);
    QJsonObject entry{{QStringLiteral("changelog"), QStringLiteral("<p>kept</p>")}};
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

void tst_Updater::latestVersionBox_data()
{
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("notifyOnFinish");
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<bool>("shown");
    QTest::newRow("silent") << true << true << true << false;
    QTest::newRow("not silent") << false << true << true << true;
    QTest::newRow("not silent, no notify") << false << false << true << false;
    QTest::newRow("not silent, network error") << false << true << false << true;
}

void tst_Updater::latestVersionBox()
{
    QFETCH(bool, silent);
    QFETCH(bool, notifyOnFinish);
    QFETCH(bool, reachable);
    QFETCH(bool, shown);
    m_updater->setNotifyOnFinish(notifyOnFinish);
    m_updater->setModuleName(QStringLiteral("Zenub Animate"));
    if (reachable)
        useFeed(feed(QStringLiteral("1.0.0")));
    else
        m_updater->setUrl(m_server.url(QStringLiteral("/missing.json")).toString());
    // Queued in any case: a box that should not appear is answered and counted, not left open.
    m_answerer->answer(QMessageBox::Close);
    QSignalSpy finished(m_updater.get(), &Updater::checkingFinished);
    int answeredAtFinish = -1;
    connect(m_updater.get(), &Updater::checkingFinished, this,
            [&] { answeredAtFinish = m_answerer->answered(); });
    m_updater->checkForUpdates(silent);
    QVERIFY(finished.wait(15000));
    // The signal follows the user's answer.
    QCOMPARE(answeredAtFinish, shown ? 1 : 0);
    if (shown) {
        // An unreachable feed is reported as such, never as "up to date".
        QCOMPARE(m_answerer->texts().first().startsWith(QLatin1String("Could not check")),
                 !reachable);
        if (reachable)
            QCOMPARE(m_answerer->texts().first(),
                     QStringLiteral("<h3>Congratulations! You are running the latest version of "
                                    "Zenub Animate</h3>"));
    }
}

void tst_Updater::releaseNotesDialog_data()
{
    QTest::addColumn<bool>("notifyOnUpdate");
    QTest::addColumn<bool>("notifyOnFinish");
    QTest::addColumn<bool>("shown");
    QTest::newRow("notify on update") << true << false << true;
    QTest::newRow("notify on finish only") << false << true << true;
    QTest::newRow("both") << true << true << true;
    QTest::newRow("neither") << false << false << false;
}

void tst_Updater::releaseNotesDialog()
{
    QFETCH(bool, notifyOnUpdate);
    QFETCH(bool, notifyOnFinish);
    QFETCH(bool, shown);
    m_updater->setNotifyOnUpdate(notifyOnUpdate);
    m_updater->setNotifyOnFinish(notifyOnFinish);
    m_updater->setModuleName(QStringLiteral("Zenub"));
    const QJsonObject entry{
        {QStringLiteral("changelog"), QStringLiteral("<p>Notes</p>")},
        {QStringLiteral("download-url"), m_server.url(QStringLiteral("/x.exe")).toString()}};
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

void tst_Updater::customAppcastIsHandedOver_data()
{
    QTest::addColumn<bool>("availableBefore");
    QTest::newRow("after an update was found") << true;
    QTest::newRow("after none was found") << false;
}

void tst_Updater::customAppcastIsHandedOver()
{
    QFETCH(bool, availableBefore);
    m_updater->setNotifyOnUpdate(false);
    useFeed(feed(availableBefore ? QStringLiteral("5.0") : QStringLiteral("0.5")));
    QVERIFY(check(true));
    QCOMPARE(m_updater->updateAvailable(), availableBefore);

    const QByteArray custom = "<rss><item version=\"0.1\"/></rss>";
    useFeed(custom);
    m_updater->setUseCustomAppcast(true);
    QVERIFY(m_updater->customAppcast());
    QStringList order;
    QByteArray received;
    QString receivedUrl;
    connect(m_updater.get(), &Updater::appcastDownloaded, this,
            [&](const QString& url, const QByteArray& data) {
                order << QStringLiteral("appcast");
                received = data;
                receivedUrl = url;
            });
    connect(m_updater.get(), &Updater::checkingFinished, this,
            [&] { order << QStringLiteral("finished"); });
    QVERIFY(check(false));
    QCOMPARE(order, (QStringList{QStringLiteral("appcast"), QStringLiteral("finished")}));
    QCOMPARE(received, custom);
    QCOMPARE(receivedUrl, m_updater->url());
    QCOMPARE(m_updater->updateAvailable(), availableBefore);
    QCOMPARE(m_answerer->answered(), 0);
}

void tst_Updater::acceptingOpensWebPage()
{
    const QJsonObject entry{
        {QStringLiteral("open-url"), QStringLiteral("https://example.invalid/whats-new")},
        {QStringLiteral("download-url"), m_server.url(QStringLiteral("/never.exe")).toString()}};
    useFeed(feed(QStringLiteral("3.0"), entry));
    m_answerer->finish(QDialog::Accepted);
    QVERIFY(check(false));
    QCOMPARE(m_desktop.urls,
             QList<QUrl>{QUrl(QStringLiteral("https://example.invalid/whats-new"))});
    QCOMPARE(m_server.requestCount("/never.exe"), 0);
}

void tst_Updater::acceptingDownloads_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("named") << QByteArray("/files/Zenub-2.0.exe") << "Zenub-2.0.exe";
    QTest::newRow("trailing slash") << QByteArray("/files/") << "Zenub_Update.bin";
}

void tst_Updater::acceptingDownloads()
{
    QFETCH(QByteArray, path);
    QFETCH(QString, fileName);
    const QByteArray body(4096, 'z');
    m_server.serve(path, body);
    const QString downloadUrl = m_server.url(QString::fromLatin1(path)).toString();
    useFeed(feed(QStringLiteral("2.0"), {{QStringLiteral("download-url"), downloadUrl}}));
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

void tst_Updater::acceptingWithoutDownloaderOpensBrowser()
{
    const QString downloadUrl = m_server.url(QStringLiteral("/browser.exe")).toString();
    useFeed(feed(QStringLiteral("2.0"), {{QStringLiteral("download-url"), downloadUrl}}));
    m_updater->setDownloaderEnabled(false);
    m_answerer->finish(QDialog::Accepted);
    QVERIFY(check(false));
    QCOMPARE(m_desktop.urls, QList<QUrl>{QUrl(downloadUrl)});
    QCOMPARE(m_server.requestCount("/browser.exe"), 0);
}

void tst_Updater::checksumMismatchDeletesDownload()
{
    const QByteArray body(10000, 'q');
    m_server.serve("/checked.exe", body);
    const QString digest =
        QString::fromLatin1(QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex());
    const QString wrong = QString(digest).replace(
        0, 2, QStringLiteral("00") == digest.left(2) ? QStringLiteral("11") : QStringLiteral("00"));
    const QString downloadUrl = m_server.url(QStringLiteral("/checked.exe")).toString();
    m_updater->setUseCustomInstallProcedures(true);
    QSignalSpy downloaded(m_updater.get(), &Updater::downloadFinished);

    useFeed(feed(QStringLiteral("2.0"), {{QStringLiteral("download-url"), downloadUrl},
                                         {QStringLiteral("sha256"), wrong}}));
    m_answerer->finish(QDialog::Accepted);
    m_answerer->answer(QMessageBox::Ok);
    QVERIFY(check(false));
    QTRY_COMPARE(m_answerer->answered(), 2);
    QVERIFY(m_answerer->texts().at(1).contains(QStringLiteral("checksum")));
    QCOMPARE(downloaded.count(), 0);
    QVERIFY(downloadedFiles().isEmpty());
}

void tst_Updater::nonWebAddressesAreRefused_data()
{
    QTest::addColumn<QString>("openUrl");
    QTest::addColumn<QString>("downloadUrl");
    QTest::addColumn<bool>("downloader");
    QTest::newRow("open-url program") << "file:///usr/bin/xterm"
                                      << "" << true;
    QTest::newRow("open-url script") << "javascript:alert(1)"
                                     << "" << true;
    QTest::newRow("download-url program") << ""
                                          << "file:///bin/sh" << true;
    QTest::newRow("download-url program, browser") << ""
                                                   << "file:///bin/sh" << false;
    QTest::newRow("download-url drive path") << ""
                                             << "C:/Windows/System32/calc.exe" << true;
    QTest::newRow("download-url empty") << ""
                                        << "" << true;
    QTest::newRow("download-url without host") << ""
                                               << "http:///setup.exe" << false;
}

void tst_Updater::nonWebAddressesAreRefused()
{
    QFETCH(QString, openUrl);
    QFETCH(QString, downloadUrl);
    QFETCH(bool, downloader);
    useFeed(feed(QStringLiteral("2.0"), {{QStringLiteral("open-url"), openUrl},
                                         {QStringLiteral("download-url"), downloadUrl}}));
    m_updater->setDownloaderEnabled(downloader);
    QSignalSpy downloaded(m_updater.get(), &Updater::downloadFinished);
    const int before = m_server.requests().size();
    m_answerer->finish(QDialog::Accepted);
    m_answerer->answer(QMessageBox::Ok);
    QVERIFY(check(false));
    QCOMPARE(m_answerer->answered(), 2);
    QVERIFY2(m_answerer->texts().at(1).contains(QStringLiteral("was refused")),
             qPrintable(m_answerer->texts().at(1)));
    QVERIFY(m_desktop.urls.isEmpty());
    QCOMPARE(m_server.requests().size(), before + 1);
    QCOMPARE(downloaded.count(), 0);
    QVERIFY(downloadedFiles().isEmpty());
}

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
