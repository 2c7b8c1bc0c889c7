// SPDX-License-Identifier: MIT
// Update download from a local server (python3 -m http.server on 127.0.0.1) against curl
// fetching the same file from the same server and sha256sum checking it, as ours checks its
// digest: throughput, and the memory the download adds.

#include "benchrow.h"

#include <updater/downloader.h>
#include <updater/updatetransfer.h>

#include <QApplication>
#include <QEventLoop>
#include <QHash>
#include <QNetworkProxy>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

namespace {

bool writeFile(const QString& path, qint64 megabytes)
{
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (int i = 0; i < block.size(); ++i)
        block[i] = char((i * 2654435761u) >> 13);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (qint64 i = 0; i < megabytes; ++i) {
        block[0] = char(i);
        if (file.write(block) != block.size())
            return false;
    }
    return true;
}

// Through sha256sum, so that a profile of this process shows the downloader's hashing alone.
QString sha256Of(const QString& path)
{
    QProcess sha256sum;
    sha256sum.start(QStringLiteral("sha256sum"), {path});
    sha256sum.waitForFinished(-1);
    return QString::fromLatin1(sha256sum.readAllStandardOutput().left(64));
}

// Seconds for our downloader to fetch \a url and check it against \a digest, and the peak
// resident memory it added in MiB.
double downloadWithOurs(const QUrl& url, const QString& digest, const QString& folder,
                        double* addedMiB)
{
    Downloader::setDownloadFolder(folder);
    Downloader downloader;
    downloader.setUseCustomInstallProcedures(true);
    downloader.setFileName(QStringLiteral("ours.bin"));
    downloader.setExpectedSha256(digest);
    const qint64 before = bench::residentKiB();
    qint64 peak = before;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] { peak = qMax(peak, bench::residentKiB()); });
    sampler.start(5);
    QEventLoop loop;
    QObject::connect(&downloader, &Downloader::downloadFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(300000, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    downloader.startDownload(url);
    loop.exec();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    peak = qMax(peak, bench::residentKiB());
    *addedMiB = double(peak - before) / 1024;
    QFile::remove(QDir(folder).filePath(QStringLiteral("ours.bin")));
    return seconds;
}

// Seconds for curl to fetch \a url and sha256sum to hash what it fetched.
double downloadWithCurl(const QUrl& url, const QString& folder)
{
    const QString fetched = QDir(folder).filePath(QStringLiteral("curl.bin"));
    QElapsedTimer timer;
    timer.start();
    QProcess::execute(QStringLiteral("curl"),
                      {QStringLiteral("-s"), QStringLiteral("--noproxy"), QStringLiteral("*"),
                       QStringLiteral("-o"), fetched, url.toString()});
    QProcess sha256sum;
    sha256sum.setStandardOutputFile(QProcess::nullDevice());
    sha256sum.start(QStringLiteral("sha256sum"), {fetched});
    sha256sum.waitForFinished(-1);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    QFile::remove(fetched);
    return seconds;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    // The local server speaks plain http.
    UpdateTransfer::setLocalHttpAllowed(true);
    QTemporaryDir served;
    QTemporaryDir downloads;
    const QList<int> sizes{20, 100, 200};
    QHash<int, QString> digests;
    for (const int size : sizes) {
        const QString path = served.filePath(QStringLiteral("%1.bin").arg(size));
        if (!writeFile(path, size))
            return 1;
        digests.insert(size, sha256Of(path));
    }

    QProcess server;
    server.setProcessChannelMode(QProcess::MergedChannels);
    server.start(QStringLiteral("python3"),
                 {QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"),
                  QStringLiteral("0"), QStringLiteral("--bind"), QStringLiteral("127.0.0.1"),
                  QStringLiteral("--directory"), served.path()});
    int port = 0;
    const QRegularExpression announced(QStringLiteral("port (\\d+)"));
    while (port == 0 && server.waitForReadyRead(10000)) {
        const QRegularExpressionMatch match =
            announced.match(QString::fromUtf8(server.readAllStandardOutput()));
        if (match.hasMatch())
            port = match.captured(1).toInt();
    }
    if (port == 0) {
        std::fprintf(stderr, "bench_download: the local server did not start\n");
        return 1;
    }
    // The server logs each request; nobody reads it.
    server.setStandardOutputFile(QProcess::nullDevice());
    QObject::connect(&server, &QProcess::readyRead, [&] { server.readAll(); });

    for (int run = 0; run < bench::runs(); ++run) {
        for (const int size : sizes) {
            const QUrl url(QStringLiteral("http://127.0.0.1:%1/%2.bin").arg(port).arg(size));
            double added = 0;
            const double ours =
                downloadWithOurs(url, digests.value(size), downloads.path(), &added);
            const double curl = downloadWithCurl(url, downloads.path());
            const QString label = QStringLiteral("%1 MB").arg(size);
            bench::row("Update download", label, size / ours, size / curl, "MiB/s",
                       bench::Better::Higher, 0.8,
                       "throughput of the update downloader fetching the file from a local "
                       "python3 http.server and checking its SHA-256 digest, against curl "
                       "fetching it from the same server and sha256sum hashing it");
            bench::row("Update download, added memory", label, added, 64, "MiB",
                       bench::Better::Lower, 1,
                       "peak resident memory the download adds to the process (sampled every "
                       "5 ms), against the 64 MiB allowed");
        }
    }
    server.kill();
    server.waitForFinished();
    return 0;
}
