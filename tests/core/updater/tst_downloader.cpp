// SPDX-License-Identifier: MIT
#include "httpfixture.h"
#include <testfiles.h>

#include <desktoprecorder.h>
#include <ownmethods.h>

#include <modalanswerer.h>

#include <updater/downloader.h>

#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
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
    void initTestCase()
    {
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        QVERIFY(m_server.listen());
    }
    void init()
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
    void cleanup()
    {
        m_downloader.reset();
        m_answerer.reset();
        m_folder.reset();
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        const QString fallback = QStringLiteral("Zenub_Update.bin");
        QTest::newRow("dots inside") << "setup..exe"
                                     << "setup..exe";
        QTest::newRow("hidden-style") << ".setup"
                                      << ".setup";
        QTest::newRow("empty") << "" << fallback;
        QTest::newRow("dot dot") << ".." << fallback;
        QTest::newRow("slash") << "../setup.exe" << fallback;
        QTest::newRow("drive") << "C:setup.exe" << fallback;
    }
    void fileNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        m_downloader->setFileName(name);
        QCOMPARE(m_downloader->fileName(), stored);
        QCOMPARE(Downloader::isSafeFileName(name), name == stored);
    }

    void downloadWithLengthLeavesOnlyTheFinalFile()
    {
        const QByteArray body = randomBytes(200000);
        m_server.serve("/setup.exe", body);
        QSignalSpy finished(m_downloader.get(), &Downloader::downloadFinished);
        m_answerer->answer(QMessageBox::Cancel);
        m_downloader->setUserAgentString(QStringLiteral("ZenubTest/1.0 (Updater)"));
        m_downloader->setFileName(QStringLiteral("setup.exe"));
        m_downloader->startDownload(m_server.url(QStringLiteral("/setup.exe")));
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
    void checksum_data()
    {
        QTest::addColumn<QString>("digest");
        QTest::addColumn<bool>("accepted");
        const QByteArray body = randomBytes(40000);
        const QString right =
            QString::fromLatin1(QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex());
        QString wrong = right;
        wrong[0] = wrong.at(0) == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
        QTest::newRow("none") << QString() << true;
        QTest::newRow("matching, capitals and spaces") << " " + right.toUpper() + " " << true;
        QTest::newRow("one digit off") << wrong << false;
        m_server.serve("/checked.bin", body);
    }
    void checksum()
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
    void failuresAreReportedAndLeaveNoFile_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("blockedPartFile");
        const QString failed = QStringLiteral("Cannot download update: %1.");
        QTest::newRow("redirect to a local file")
            << QByteArray("/to-file") << "only http and https addresses are allowed" << false;
        QTest::newRow("redirect loop")
            << QByteArray("/loop") << failed.arg(int(QNetworkReply::TooManyRedirectsError))
            << false;
        QTest::newRow("part file cannot be written")
            << QByteArray("/whole.bin") << "Cannot write the update to" << true;
        m_server.serve("/whole.bin", "payload");
        m_server.serve("/broken.bin", "oops", 500, "text/plain");
        m_server.redirect("/to-file", "file:///bin/sh");
        m_server.redirect("/loop", "/loop");
    }
    void failuresAreReportedAndLeaveNoFile()
    {
        QFETCH(QByteArray, path);
        QFETCH(QString, message);
        QFETCH(bool, blockedPartFile);
        // A folder where the part file must go: it can be neither removed nor written.
        if (blockedPartFile)
            QVERIFY(
                QDir().mkpath(Downloader::downloadFolder() + QStringLiteral("/failed.bin.part")));
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
    // Last: accepting the prompt quits the application, which ends every later event loop.
    void installPromptOkOpensTheInstaller()
    {
        m_server.serve("/installer.bin", randomBytes(3000));
        m_answerer->answer(QMessageBox::Ok);
        m_downloader->setFileName(QStringLiteral("installer.bin"));
        m_downloader->startDownload(m_server.url(QStringLiteral("/installer.bin")));
        QTRY_COMPARE(m_desktop.urls.size(), 1);
        QCOMPARE(m_desktop.urls.first(),
                 QUrl::fromLocalFile(QDir(Downloader::downloadFolder())
                                         .absoluteFilePath(QStringLiteral("installer.bin"))));
    }

private:
    QLabel* label(const char* name) { return m_downloader->findChild<QLabel*>(name); }
    QPushButton* button(const char* name) { return m_downloader->findChild<QPushButton*>(name); }
    QProgressBar* progressBar() { return m_downloader->findChild<QProgressBar*>("progressBar"); }

    HttpFixture m_server;
    DesktopRecorder m_desktop;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<Downloader> m_downloader;
    std::unique_ptr<ModalAnswerer> m_answerer;
};

QTEST_MAIN(tst_Downloader)
#include "tst_downloader.moc"
