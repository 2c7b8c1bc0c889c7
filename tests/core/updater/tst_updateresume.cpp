// SPDX-License-Identifier: MIT
#include <httpfixture.h>
#include <modalanswerer.h>
#include <testfiles.h>

#include <updater/downloader.h>
#include <updater/updatetransfer.h>

#include <QCryptographicHash>
#include <QDirIterator>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// A download that stalls is reported and its part file kept; the next attempt asks for the
// rest, and takes the whole file instead from a server that ignores the range. The digest
// covers what the part file holds, so kept bytes changed in between are caught.
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
    QTest::addColumn<bool>("keptBytesChange");
    QTest::newRow("206, the rest") << true << false;
    QTest::newRow("200, the whole file again") << false << false;
    QTest::newRow("206, kept bytes changed meanwhile") << true << true;
}

void tst_UpdateResume::stalledDownloadResumes()
{
    QFETCH(bool, serverTakesRanges);
    QFETCH(bool, keptBytesChange);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    UpdateTransfer::setLocalHttpAllowed(true);
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
    downloader.setExpectedSha256(
        QString::fromLatin1(QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex()));
    QSignalSpy finished(&downloader, &Downloader::downloadFinished);
    answerer.answer(QMessageBox::Ok);
    downloader.startDownload(server.url(QStringLiteral("/setup.bin")));

    QTRY_COMPARE(answerer.answered(), 1);
    QVERIFY2(answerer.texts().first().contains(QStringLiteral("stalled")),
             qPrintable(answerer.texts().first()));
    QVERIFY(!downloader.isVisible());
    // The part file waits in a folder of its own that only the user can enter.
    QDirIterator parts(folder.path(), {QStringLiteral("*.part")}, QDir::Files | QDir::Hidden,
                       QDirIterator::Subdirectories);
    const QString part = parts.hasNext() ? parts.next() : QString();
    QCOMPARE(readFile(part), body.left(held));
    const QFileInfo privateFolder(QFileInfo(part).path());
    QVERIFY(privateFolder.absoluteFilePath() != QFileInfo(folder.path()).absoluteFilePath());
    QCOMPARE(privateFolder.permissions() & 0x0077, QFileDevice::Permissions());
    server.release("/setup.bin");
    if (keptBytesChange) {
        QFile kept(part);
        QVERIFY(kept.open(QIODevice::ReadWrite));
        kept.seek(held - 1);
        kept.write("!");
    }

    if (serverTakesRanges)
        server.serveRanges("/setup.bin", body);
    else
        server.serve("/setup.bin", body);
    if (keptBytesChange)
        answerer.answer(QMessageBox::Ok);
    downloader.startDownload(server.url(QStringLiteral("/setup.bin")));
    if (keptBytesChange) {
        QTRY_COMPARE(answerer.answered(), 2);
        QVERIFY2(answerer.texts().last().contains(QStringLiteral("checksum")),
                 qPrintable(answerer.texts().last()));
        QCOMPARE(finished.count(), 0);
        QTRY_VERIFY(
            QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    } else {
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(readFile(folder.filePath(QStringLiteral("setup.bin"))), body);
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList(QStringLiteral("setup.bin")));
    }
    QCOMPARE(server.requests().last().headers.value("range"), QByteArray("bytes=120000-"));
}

QTEST_MAIN(tst_UpdateResume)
#include "tst_updateresume.moc"
