#include "httpfixture.h"
#include <testfiles.h>

#include <desktoprecorder.h>
#include <ownmethods.h>

#include <modalanswerer.h>

#include <updater/downloader.h>

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMetaMethod>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray randomBytes(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    QRandomGenerator generator(size);
    for (char& byte : data)
        byte = static_cast<char>(generator.bounded(256));
    return data;
}

} // namespace

class tst_Downloader : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void interfaceOrder();
    void sizeTexts_data();
    void sizeTexts();
    void estimates_data();
    void estimates();
    void timeRemaining_data();
    void timeRemaining();
    void fileNames_data();
    void fileNames();

    void downloadWithLengthLeavesOnlyTheFinalFile();
    void customInstallProceduresShowNoPrompt();
    void chunkedDownloadKeepsBusyIndicatorWritesAsItArrivesAndCompletes();
    void progressLabels_data();
    void progressLabels();
    void checksum_data();
    void checksum();
    void redirectKeepsUserAgentAndRestarts_data();
    void redirectKeepsUserAgentAndRestarts();
    void failuresAreReportedAndLeaveNoFile_data();
    void failuresAreReportedAndLeaveNoFile();
    void stopThenYesAbortsWithoutWarning();
    void stopThenNoCarriesOn();
    void uncreatableFolderIsReported();
    // Last: accepting the prompt quits the application, which ends every later event loop.
    void installPromptOkOpensTheInstaller();

private:
    QLabel* label(const char* name) { return m_downloader->findChild<QLabel*>(name); }
    QPushButton* button(const char* name) { return m_downloader->findChild<QPushButton*>(name); }
    QProgressBar* progressBar() { return m_downloader->findChild<QProgressBar*>("progressBar"); }
    QStringList folderEntries() const
    {
        return QDir(m_folder->path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    }

    HttpFixture m_server;
    DesktopRecorder m_desktop;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<Downloader> m_downloader;
    std::unique_ptr<ModalAnswerer> m_answerer;
};

void tst_Downloader::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(m_server.listen());
}

void tst_Downloader::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    // A folder that does not exist yet: the download creates it.
    Downloader::setDownloadFolder(m_folder->filePath(QStringLiteral("Downloads")));
    m_downloader = std::make_unique<Downloader>();
    m_downloader->setUrlId(QStringLiteral("feed-id"));
    m_answerer = std::make_unique<ModalAnswerer>();
    m_desktop.urls.clear();
}

void tst_Downloader::cleanup()
{
    m_downloader.reset();
    m_answerer.reset();
    m_folder.reset();
}

void tst_Downloader::interfaceOrder()
{
    const QStringList methods = ownMethodSignatures(Downloader::staticMetaObject);
    const QStringList expected{
        "downloadFinished(QString,QString)",
        "setUrlId(QString)",
        "startDownload(QUrl)",
        "setFileName(QString)",
        "setUserAgentString(QString)",
        "setUseCustomInstallProcedures(bool)",
        "openDownload()",
        "installUpdate()",
        "cancelDownload()",
        "saveFile(qlonglong,qlonglong)",
        "calculateSizes(qlonglong,qlonglong)",
        "updateProgress(qlonglong,qlonglong)",
        "calculateTimeRemaining(qlonglong,qlonglong)",
    };
    QCOMPARE(methods, expected);
}

void tst_Downloader::sizeTexts_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0 bytes";
    QTest::newRow("512") << qint64(512) << "512 bytes";
    QTest::newRow("1023") << qint64(1023) << "1023 bytes";
    QTest::newRow("1024") << qint64(1024) << "1 KB";
    QTest::newRow("1536 truncates") << qint64(1536) << "1 KB";
    QTest::newRow("1048575") << qint64(1048575) << "1023 KB";
    QTest::newRow("2^20") << qint64(1048576) << "1 MB";
    QTest::newRow("just under 2 MB") << qint64(2097151) << "1 MB";
    QTest::newRow("3 MB") << qint64(3145728) << "3 MB";
    QTest::newRow("5 GB stays whole") << qint64(5) * 1024 * 1024 * 1024 << "5120 MB";
    QTest::newRow("2 TB stays whole") << (qint64(2) << 40) << "2097152 MB";
}

void tst_Downloader::sizeTexts()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(Downloader::sizeText(bytes), text);
}

void tst_Downloader::estimates_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << qint64(0) << "1 second";
    QTest::newRow("1") << qint64(1) << "1 second";
    QTest::newRow("2") << qint64(2) << "2 seconds";
    QTest::newRow("60") << qint64(60) << "60 seconds";
    QTest::newRow("61") << qint64(61) << "About 1 minute";
    QTest::newRow("89") << qint64(89) << "About 1 minute";
    QTest::newRow("90") << qint64(90) << "About 2 minutes";
    QTest::newRow("7200") << qint64(7200) << "About 120 minutes";
    QTest::newRow("7201") << qint64(7201) << "About 2 hours";
    QTest::newRow("9000") << qint64(9000) << "About 3 hours";
}

void tst_Downloader::estimates()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(Downloader::estimateText(seconds), text);
}

void tst_Downloader::timeRemaining_data()
{
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<uint>("elapsed");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing elapsed") << qint64(5000) << qint64(10000) << 0u << "";
    QTest::newRow("rate below one byte") << qint64(5) << qint64(1000) << 10u << "";
    QTest::newRow("nothing received") << qint64(0) << qint64(1000) << 3u << "";
    // The estimate covers the whole transfer at the average rate, not the part still to come.
    QTest::newRow("whole transfer") << qint64(1000) << qint64(2000) << 10u << "20 seconds";
    QTest::newRow("rate truncated") << qint64(3) << qint64(90) << 2u << "About 2 minutes";
    QTest::newRow("hours") << qint64(10) << qint64(100000) << 10u << "About 28 hours";
}

void tst_Downloader::timeRemaining()
{
    QFETCH(qint64, received);
    QFETCH(qint64, total);
    QFETCH(uint, elapsed);
    QFETCH(QString, text);
    QCOMPARE(Downloader::timeRemainingText(received, total, elapsed), text);
}

void tst_Downloader::fileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    const QString fallback = QStringLiteral("Zenub_Update.bin");
    QTest::newRow("plain") << "Zenub-2.0-setup.exe"
                           << "Zenub-2.0-setup.exe";
    QTest::newRow("dots inside") << "setup..exe"
                                 << "setup..exe";
    QTest::newRow("hidden-style") << ".setup"
                                  << ".setup";
    QTest::newRow("empty") << "" << fallback;
    QTest::newRow("dot") << "." << fallback;
    QTest::newRow("dot dot") << ".." << fallback;
    QTest::newRow("slash") << "../setup.exe" << fallback;
    QTest::newRow("backslash") << "..\\..\\setup.exe" << fallback;
    QTest::newRow("drive") << "C:setup.exe" << fallback;
    QTest::newRow("query") << "setup.exe?token=1" << fallback;
    QTest::newRow("control") << QStringLiteral("setup\n.exe") << fallback;
}

void tst_Downloader::fileNames()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    m_downloader->setFileName(name);
    QCOMPARE(m_downloader->fileName(), stored);
    QCOMPARE(Downloader::isSafeFileName(name), name == stored);
}

void tst_Downloader::downloadWithLengthLeavesOnlyTheFinalFile()
{
    const QByteArray body = randomBytes(200000);
    m_server.serve("/setup.exe", body);
    QSignalSpy finished(m_downloader.get(), &Downloader::downloadFinished);
    m_answerer->answer(QMessageBox::Cancel);
    m_downloader->setUserAgentString(QStringLiteral("ZenubTest/1.0 (Updater)"));
    m_downloader->setFileName(QStringLiteral("setup.exe"));
    m_downloader->startDownload(m_server.url(QStringLiteral("/setup.exe")));
    QVERIFY(m_downloader->isVisible());

    QTRY_COMPARE(finished.count(), 1);
    const QString path = QDir(Downloader::downloadFolder()).absoluteFilePath("setup.exe");
    QCOMPARE(finished.first().at(0).toString(), QStringLiteral("feed-id"));
    QCOMPARE(finished.first().at(1).toString(), path);
    QCOMPARE(QDir(Downloader::downloadFolder()).entryList(QDir::Files),
             QStringList{QStringLiteral("setup.exe")});
    QCOMPARE(readFile(path), body);
    QCOMPARE(m_server.requests().last().headers.value("user-agent"),
             QByteArray("ZenubTest/1.0 (Updater)"));

    // The install prompt was declined: Open offers it again.
    QTRY_COMPARE(m_answerer->answered(), 1);
    QVERIFY(m_answerer->texts().first().contains("you need to quit the application"));
    QTRY_VERIFY(button("openButton")->isVisible());
    QVERIFY(button("openButton")->isEnabled());
    QCOMPARE(button("stopButton")->text(), QStringLiteral("Close"));
    QCOMPARE(label("downloadLabel")->text(), QStringLiteral("Download complete!"));
    QCOMPARE(label("timeLabel")->text(), QStringLiteral("Click Open to apply the update."));
    QCOMPARE(progressBar()->value(), 100);
    QVERIFY(m_desktop.urls.isEmpty());

    // A file removed meanwhile is reported, not handed to the desktop.
    QVERIFY(QFile::remove(path));
    m_answerer->answer(QMessageBox::Ok);
    m_answerer->answer(QMessageBox::Close);
    button("openButton")->click();
    QCOMPARE(m_answerer->answered(), 3);
    QCOMPARE(m_answerer->texts().at(2), QStringLiteral("Cannot find downloaded update!"));
    QVERIFY(m_desktop.urls.isEmpty());

    // Close now only hides the finished window.
    button("stopButton")->click();
    QVERIFY(!m_downloader->isVisible());
    QCOMPARE(m_answerer->answered(), 3);
}

void tst_Downloader::installPromptOkOpensTheInstaller()
{
    m_server.serve("/installer.bin", randomBytes(3000));
    m_answerer->answer(QMessageBox::Ok);
    m_downloader->setFileName(QStringLiteral("installer.bin"));
    m_downloader->startDownload(m_server.url(QStringLiteral("/installer.bin")));
    QTRY_COMPARE(m_desktop.urls.size(), 1);
    QCOMPARE(
        m_desktop.urls.first(),
        QUrl::fromLocalFile(
            QDir(Downloader::downloadFolder()).absoluteFilePath(QStringLiteral("installer.bin"))));
}

void tst_Downloader::customInstallProceduresShowNoPrompt()
{
    m_server.serve("/custom.bin", randomBytes(5000));
    m_downloader->setUseCustomInstallProcedures(true);
    QVERIFY(m_downloader->useCustomInstallProcedures());
    QSignalSpy finished(m_downloader.get(), &Downloader::downloadFinished);
    m_downloader->setFileName(QString());
    m_downloader->startDownload(m_server.url(QStringLiteral("/custom.bin")));
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(finished.first().at(1).toString().endsWith(QStringLiteral("/Zenub_Update.bin")));
    QVERIFY(QFile::exists(finished.first().at(1).toString()));
    QVERIFY(!button("openButton")->isVisible());
    QCOMPARE(m_answerer->answered(), 0);
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_Downloader::chunkedDownloadKeepsBusyIndicatorWritesAsItArrivesAndCompletes()
{
    const QByteArray body = randomBytes(30000);
    m_server.serveHeld("/stream.bin", body, 10000, true);
    m_downloader->setUseCustomInstallProcedures(true);
    QSignalSpy finished(m_downloader.get(), &Downloader::downloadFinished);
    m_downloader->setFileName(QStringLiteral("stream.bin"));
    m_downloader->startDownload(m_server.url(QStringLiteral("/stream.bin")));

    const QString part = QDir(Downloader::downloadFolder()).absoluteFilePath("stream.bin.part");
    QTRY_COMPARE(QFileInfo(part).size(), qint64(10000));
    QCOMPARE(readFile(part), body.left(10000));
    QCOMPARE(progressBar()->maximum(), 0);
    QCOMPARE(label("downloadLabel")->text(), QStringLiteral("Downloading Updates..."));
    QCOMPARE(label("timeLabel")->text(), QStringLiteral("Time Remaining: Unknown"));
    QCOMPARE(finished.count(), 0);

    m_server.release("/stream.bin");
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(readFile(finished.first().at(1).toString()), body);
    QVERIFY(!QFile::exists(part));
}

void tst_Downloader::progressLabels_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("holdAfter");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("percent");
    QTest::newRow("bytes of KB") << 1536 << 512 << "Downloading Updates (512 bytes of 1 KB)" << 33;
    QTest::newRow("2 MB of 3 MB") << 3145728 << 2097152 << "Downloading Updates (2 MB of 3 MB)"
                                  << 66;
}

void tst_Downloader::progressLabels()
{
    QFETCH(int, size);
    QFETCH(int, holdAfter);
    QFETCH(QString, label);
    QFETCH(int, percent);
    const QByteArray body = randomBytes(size);
    const QByteArray path = "/held" + QByteArray::number(size);
    m_server.serveHeld(path, body, holdAfter);
    m_downloader->setUseCustomInstallProcedures(true);
    QSignalSpy finished(m_downloader.get(), &Downloader::downloadFinished);
    m_downloader->setFileName(QStringLiteral("held.bin"));
    m_downloader->startDownload(m_server.url(QString::fromLatin1(path)));

    QTRY_COMPARE(this->label("downloadLabel")->text(), label);
    QCOMPARE(progressBar()->value(), percent);
    QCOMPARE(progressBar()->maximum(), 100);
    QVERIFY(this->label("timeLabel")->text().startsWith(QStringLiteral("Time Remaining: ")));
    QCOMPARE(finished.count(), 0);

    m_server.release(path);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(readFile(finished.first().at(1).toString()), body);
}

void tst_Downloader::checksum_data()
{
    QTest::addColumn<QString>("digest");
    QTest::addColumn<bool>("accepted");
    const QByteArray body = randomBytes(40000);
    const QString right =
        QString::fromLatin1(QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex());
    QString wrong = right;
    wrong[0] = wrong.at(0) == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
    QTest::newRow("none") << QString() << true;
    QTest::newRow("matching") << right << true;
    QTest::newRow("matching, capitals and spaces") << " " + right.toUpper() + " " << true;
    QTest::newRow("one digit off") << wrong << false;
    QTest::newRow("not hex") << "not-a-digest" << false;
    m_server.serve("/checked.bin", body);
}

void tst_Downloader::checksum()
{
    QFETCH(QString, digest);
    QFETCH(bool, accepted);
    m_downloader->setUseCustomInstallProcedures(true);
    m_downloader->setExpectedSha256(digest);
    QSignalSpy finished(m_downloader.get(), &Downloader::downloadFinished);
    if (!accepted)
        m_answerer->answer(QMessageBox::Ok);
    m_downloader->setFileName(QStringLiteral("checked.bin"));
    m_downloader->startDownload(m_server.url(QStringLiteral("/checked.bin")));

    if (accepted) {
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(QFile::exists(finished.first().at(1).toString()));
        return;
    }
    QTRY_COMPARE(m_answerer->answered(), 1);
    QVERIFY(m_answerer->texts().first().contains(QStringLiteral("checksum")));
    QCOMPARE(finished.count(), 0);
    QVERIFY(!m_downloader->isVisible());
    QVERIFY(QDir(Downloader::downloadFolder()).entryList(QDir::Files).isEmpty());
}

void tst_Downloader::redirectKeepsUserAgentAndRestarts_data()
{
    QTest::addColumn<QByteArray>("location");
    QTest::newRow("absolute") << m_server.url(QStringLiteral("/target.bin")).toEncoded();
    QTest::newRow("relative") << QByteArray("/target.bin");
    QTest::newRow("two hops") << QByteArray("/hop");
}

void tst_Downloader::redirectKeepsUserAgentAndRestarts()
{
    QFETCH(QByteArray, location);
    const QByteArray body = randomBytes(12345);
    m_server.serve("/target.bin", body);
    m_server.redirect("/hop", "/target.bin", 307);
    m_server.redirect("/moved.bin", location);
    const int before = m_server.requests().size();

    m_downloader->setUseCustomInstallProcedures(true);
    m_downloader->setUserAgentString(QStringLiteral("Agent/7"));
    QSignalSpy finished(m_downloader.get(), &Downloader::downloadFinished);
    m_downloader->setFileName(QStringLiteral("moved.bin"));
    m_downloader->startDownload(m_server.url(QStringLiteral("/moved.bin")));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(readFile(finished.first().at(1).toString()), body);

    const QList<HttpFixture::Request> requests = m_server.requests().mid(before);
    QVERIFY(requests.size() >= 2);
    QCOMPARE(requests.last().path, QByteArray("/target.bin"));
    for (const HttpFixture::Request& request : requests)
        QCOMPARE(request.headers.value("user-agent"), QByteArray("Agent/7"));
}

void tst_Downloader::failuresAreReportedAndLeaveNoFile_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("message");
    const QString failed = QStringLiteral("Cannot download update: %1.");
    QTest::newRow("not found") << QByteArray("/missing.bin")
                               << failed.arg(int(QNetworkReply::ContentNotFoundError));
    QTest::newRow("server error") << QByteArray("/broken.bin")
                                  << failed.arg(int(QNetworkReply::InternalServerError));
    QTest::newRow("redirect to a local file")
        << QByteArray("/to-file") << "only http and https addresses are allowed";
    QTest::newRow("redirect loop")
        << QByteArray("/loop") << failed.arg(int(QNetworkReply::TooManyRedirectsError));
    m_server.serve("/broken.bin", "oops", 500, "text/plain");
    m_server.redirect("/to-file", "file:///bin/sh");
    m_server.redirect("/loop", "/loop");
}

void tst_Downloader::failuresAreReportedAndLeaveNoFile()
{
    QFETCH(QByteArray, path);
    QFETCH(QString, message);
    QSignalSpy finished(m_downloader.get(), &Downloader::downloadFinished);
    m_answerer->answer(QMessageBox::Ok);
    m_downloader->setFileName(QStringLiteral("failed.bin"));
    m_downloader->startDownload(m_server.url(QString::fromLatin1(path)));
    QTRY_COMPARE(m_answerer->answered(), 1);
    QVERIFY2(m_answerer->texts().first().contains(message),
             qPrintable(m_answerer->texts().first()));
    QCOMPARE(finished.count(), 0);
    QVERIFY(!m_downloader->isVisible());
    QVERIFY(QDir(Downloader::downloadFolder()).entryList(QDir::Files).isEmpty());
    QVERIFY(m_desktop.urls.isEmpty());
}

void tst_Downloader::stopThenYesAbortsWithoutWarning()
{
    m_server.serveHeld("/slow.bin", randomBytes(100000), 20000);
    QSignalSpy finished(m_downloader.get(), &Downloader::downloadFinished);
    m_downloader->setFileName(QStringLiteral("slow.bin"));
    m_downloader->startDownload(m_server.url(QStringLiteral("/slow.bin")));
    QTRY_COMPARE(progressBar()->value(), 20);

    // The second answer would close a warning box, which the abort must not bring up.
    m_answerer->answer(QMessageBox::Yes);
    m_answerer->answer(QMessageBox::Ok);
    button("stopButton")->click();
    QCOMPARE(m_answerer->answered(), 1);
    QCOMPARE(m_answerer->pending(), 1);
    QCOMPARE(m_answerer->texts().first(),
             QStringLiteral("Are you sure you want to cancel the download?"));
    QVERIFY(!m_downloader->isVisible());
    m_server.release("/slow.bin");
    QCOMPARE(finished.count(), 0);
    QVERIFY(QDir(Downloader::downloadFolder()).entryList(QDir::Files).isEmpty());
}

void tst_Downloader::stopThenNoCarriesOn()
{
    const QByteArray body = randomBytes(50000);
    m_server.serveHeld("/carry.bin", body, 10000);
    m_downloader->setUseCustomInstallProcedures(true);
    QSignalSpy finished(m_downloader.get(), &Downloader::downloadFinished);
    m_downloader->setFileName(QStringLiteral("carry.bin"));
    m_downloader->startDownload(m_server.url(QStringLiteral("/carry.bin")));
    QTRY_COMPARE(progressBar()->value(), 20);

    m_answerer->answer(QMessageBox::No);
    button("stopButton")->click();
    QCOMPARE(m_answerer->answered(), 1);
    QVERIFY(m_downloader->isVisible());
    m_server.release("/carry.bin");
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(readFile(finished.first().at(1).toString()), body);
}

void tst_Downloader::uncreatableFolderIsReported()
{
    const QString blocker = m_folder->filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    Downloader::setDownloadFolder(blocker + QStringLiteral("/Downloads"));
    m_server.serve("/any.bin", "data");
    const int before = m_server.requestCount("/any.bin");
    m_answerer->answer(QMessageBox::Ok);
    m_downloader->startDownload(m_server.url(QStringLiteral("/any.bin")));
    QCOMPARE(m_answerer->answered(), 1);
    QVERIFY(m_answerer->texts().first().contains(QStringLiteral("Cannot create the download")));
    QCOMPARE(m_server.requestCount("/any.bin"), before);
    QVERIFY(!m_downloader->isVisible());
}

QTEST_MAIN(tst_Downloader)
#include "tst_downloader.moc"
