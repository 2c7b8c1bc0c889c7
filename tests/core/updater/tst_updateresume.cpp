// SPDX-License-Identifier: MIT
#include <httpfixture.h>
#include <modalanswerer.h>
#include <testfiles.h>

#include <updater/downloader.h>
#include <updater/updatetransfer.h>

#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// A download that stalls is reported and its part file kept; the next attempt asks for the
// rest, and takes the whole file instead from a server that ignores the range.
class tst_UpdateResume : public QObject
{
    Q_OBJECT
private slots:
    void stalledDownloadResumes_data();
    void stalledDownloadResumes();
};

void tst_UpdateResume::stalledDownloadResumes_data()
{
    QTest::addColumn<bool>("serverTakesRanges");
    QTest::newRow("206, the rest") << true;
    QTest::newRow("200, the whole file again") << false;
}

void tst_UpdateResume::stalledDownloadResumes()
{
    QFETCH(bool, serverTakesRanges);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    HttpFixture server;
    QVERIFY(server.listen());
    QTemporaryDir folder;
    Downloader::setDownloadFolder(folder.path());
    QByteArray body(300000, Qt::Uninitialized);
    for (int i = 0; i < body.size(); ++i)
        body[i] = char(i * 7 + i / 251);
    const int held = 120000;
    server.serveHeld("/setup.bin", body, held);

    ModalAnswerer answerer;
    Downloader downloader;
    downloader.setUseCustomInstallProcedures(true);
    downloader.findChild<UpdateTransfer*>()->setStallTimeout(400);
    downloader.setFileName(QStringLiteral("setup.bin"));
    QSignalSpy finished(&downloader, &Downloader::downloadFinished);
    answerer.answer(QMessageBox::Ok);
    downloader.startDownload(server.url(QStringLiteral("/setup.bin")));

    QTRY_COMPARE(answerer.answered(), 1);
    QVERIFY2(answerer.texts().first().contains(QStringLiteral("stalled")),
             qPrintable(answerer.texts().first()));
    QVERIFY(!downloader.isVisible());
    const QString part = folder.filePath(QStringLiteral("setup.bin.part"));
    QCOMPARE(readFile(part), body.left(held));
    server.release("/setup.bin");

    if (serverTakesRanges)
        server.serveRanges("/setup.bin", body);
    else
        server.serve("/setup.bin", body);
    downloader.startDownload(server.url(QStringLiteral("/setup.bin")));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(server.requests().last().headers.value("range"), QByteArray("bytes=120000-"));
    QCOMPARE(readFile(folder.filePath(QStringLiteral("setup.bin"))), body);
    QVERIFY(!QFile::exists(part));
}

QTEST_MAIN(tst_UpdateResume)
#include "tst_updateresume.moc"
