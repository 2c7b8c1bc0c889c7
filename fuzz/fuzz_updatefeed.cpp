// SPDX-License-Identifier: MIT
// The update feed: any reply body is read as a feed (or refused) without a crash, and the
// version comparison stays a strict order for any two version strings.
#include <updater/updater.h>

#include <QApplication>
#include <QNetworkReply>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

/*! A finished reply whose body is the fuzzer's input. */
class FeedReply : public QNetworkReply
{
public:
    explicit FeedReply(const QByteArray& body)
        : m_body(body)
    {
        setUrl(QUrl(QStringLiteral("https://zenub.korva.example/feed.json")));
        open(QIODevice::ReadOnly);
        setFinished(true);
    }
    void abort() override {}
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override
    {
        return m_body.size() - m_read + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char* out, qint64 maximum) override
    {
        const qint64 count = qMin(maximum, qint64(m_body.size() - m_read));
        memcpy(out, m_body.constData() + m_read, size_t(count));
        m_read += count;
        return count;
    }

private:
    QByteArray m_body;
    qint64 m_read = 0;
};

Updater* updater = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The updater owns a download dialog, so it needs the widget application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the fuzzer leaves through exit(), after which Qt must not tear down.
    new QApplication(*argc, *argv);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(text));
    });
    updater = new Updater;
    updater->setPlatformKey(QStringLiteral("linux"));
    updater->setModuleVersion(QStringLiteral("3.0.1"));
    // Nothing is shown or fetched: only the reading and the comparison run.
    updater->setNotifyOnUpdate(false);
    updater->setNotifyOnFinish(false);
    updater->setDownloaderEnabled(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<int>(size));
    auto* reply = new FeedReply(body);
    QMetaObject::invokeMethod(updater, "onReply", Qt::DirectConnection,
                              Q_ARG(QNetworkReply*, reply));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Two versions, split at the first line break: never both newer than each other.
    const int split = body.indexOf('\n');
    const QString x = QString::fromUtf8(body.left(split < 0 ? body.size() : split));
    const QString y = QString::fromUtf8(split < 0 ? QByteArray() : body.mid(split + 1));
    if ((Updater::compare(x, y) && Updater::compare(y, x)) || Updater::compare(x, x))
        abort();
    return 0;
}
