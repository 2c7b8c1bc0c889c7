// SPDX-License-Identifier: MIT
#include "httpfixture.h"
#include <testfiles.h>

#include <desktoprecorder.h>
#include <ownmethods.h>

#include <modalanswerer.h>

#include <updater/downloader.h>
#include <updater/updatetransfer.h>

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

QString sha256(const QByteArray& data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
}

// Everything in the download folder, hidden entries included.
QStringList downloadFolderEntries()
{
    return QDir(Downloader::downloadFolder())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

class tst_Downloader : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        UpdateTransfer::setLocalHttpAllowed(true);
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
        m_downloader->setExpectedSha256(sha256(body));
        m_downloader->setFileName(QStringLiteral("setup.exe"));
        m_downloader->startDownload(m_server.url(QStringLiteral("/setup.exe")));
        QTRY_COMPARE(finished.count(), 1);
        const QString path = QDir(Downloader::downloadFolder()).absoluteFilePath("setup.exe");
        QCOMPARE(finished.first().at(0).toString(), QStringLiteral("feed-id"));
        QCOMPARE(finished.first().at(1).toString(), path);
        QCOMPARE(downloadFolderEntries(), QStringList{QStringLiteral("setup.exe")});
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
    // The user's own "thesis.pdf" is there before, the download has the same name.
    void usersFileIsNeverReplacedOrDeleted_data()
    {
        QTest::addColumn<QString>("digest");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("after");
        const QByteArray body = randomBytes(40000);
        const QString right = sha256(body);
        QString wrong = right;
        wrong[0] = wrong.at(0) == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
        const QStringList mine{QStringLiteral("thesis.pdf")};
        QTest::newRow("matching, capitals and spaces")
            << " " + right.toUpper() + " " << QString() << QStringList("thesis (1).pdf") + mine;
        QTest::newRow("one digit off") << wrong << "does not match its published checksum" << mine;
        QTest::newRow("none") << QString() << "no checksum was published" << mine;
        m_server.serve("/thesis.pdf", body);
    }
    void usersFileIsNeverReplacedOrDeleted()
    {
        QFETCH(QString, digest);
        QFETCH(QString, message);
        QFETCH(QStringList, after);
        QVERIFY(QDir().mkpath(Downloader::downloadFolder()));
        const QString mine = QDir(Downloader::downloadFolder()).filePath("thesis.pdf");
        QVERIFY(writeFile(mine, "my thesis"));
        m_downloader->setUseCustomInstallProcedures(true);
        m_downloader->setExpectedSha256(digest);
        QSignalSpy finished(m_downloader.get(), &Downloader::downloadFinished);
        if (!message.isEmpty())
            m_answerer->answer(QMessageBox::Ok);
        m_downloader->setFileName(QStringLiteral("thesis.pdf"));
        m_downloader->startDownload(m_server.url(QStringLiteral("/thesis.pdf")));

        if (message.isEmpty()) {
            QTRY_COMPARE(finished.count(), 1);
            QCOMPARE(finished.first().at(1).toString(),
                     QDir(Downloader::downloadFolder()).filePath("thesis (1).pdf"));
        } else {
            QTRY_COMPARE(m_answerer->answered(), 1);
            QVERIFY2(m_answerer->texts().first().contains(message),
                     qPrintable(m_answerer->texts().first()));
            QCOMPARE(finished.count(), 0);
            QVERIFY(!m_downloader->isVisible());
        }
        QCOMPARE(readFile(mine), QByteArray("my thesis"));
        QCOMPARE(downloadFolderEntries(), after);
    }
    void failuresAreReportedAndLeaveNoFile_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("blockedFolder");
        const QString failed = QStringLiteral("Cannot download update: %1.");
        QTest::newRow("redirect to a local file")
            << QByteArray("/to-file") << "only https addresses are allowed" << false;
        QTest::newRow("redirect to plain http")
            << QByteArray("/to-http") << "only https addresses are allowed" << false;
        QTest::newRow("redirect loop")
            << QByteArray("/loop") << failed.arg(int(QNetworkReply::TooManyRedirectsError))
            << false;
        QTest::newRow("download folder is a file")
            << QByteArray("/whole.bin") << "Cannot create the download folder" << true;
        m_server.serve("/whole.bin", "payload");
        m_server.serve("/broken.bin", "oops", 500, "text/plain");
        m_server.redirect("/to-file", "file:///bin/sh");
        m_server.redirect("/to-http", "http://zenub.korva.example/setup.exe");
        m_server.redirect("/loop", "/loop");
    }
    void failuresAreReportedAndLeaveNoFile()
    {
        QFETCH(QByteArray, path);
        QFETCH(QString, message);
        QFETCH(bool, blockedFolder);
        // A file where the download folder must go.
        if (blockedFolder)
            QVERIFY(writeFile(Downloader::downloadFolder()));
        QSignalSpy finished(m_downloader.get(), &Downloader::downloadFinished);
        m_answerer->answer(QMessageBox::Ok);
        m_downloader->setExpectedSha256(sha256("payload"));
        m_downloader->setFileName(QStringLiteral("failed.bin"));
        m_downloader->startDownload(m_server.url(QString::fromLatin1(path)));
        QTRY_COMPARE(m_answerer->answered(), 1);
        QVERIFY2(m_answerer->texts().first().contains(message),
                 qPrintable(m_answerer->texts().first()));
        QCOMPARE(finished.count(), 0);
        QVERIFY(!m_downloader->isVisible());
        QVERIFY(blockedFolder || downloadFolderEntries().isEmpty());
        QVERIFY(m_desktop.urls.isEmpty());
    }
    // Last: accepting the prompt quits the application, which ends every later event loop.
    void installPromptOkOpensTheInstaller()
    {
        m_server.serve("/installer.bin", randomBytes(3000));
        m_downloader->setExpectedSha256(sha256(randomBytes(3000)));
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
