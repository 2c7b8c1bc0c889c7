// SPDX-License-Identifier: MIT
// The web channel's incoming side: any text frame a local page sends goes through our
// transport into the channel, which may answer, call a slot or refuse it, and never crashes.
#include <webchannel/websockettransport.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QVariantMap>
#include <QWebChannel>
#include <QWebSocket>

#include <cstdint>
#include <cstdio>

/*! Slots of the kinds the real bridge has: text, lists, maps, numbers and an answer. */
class Probe : public QObject
{
    Q_OBJECT
signals:
    void changed(const QString& text);

public slots:
    void takeText(const QString& text) { m_last = text; }
    QString answer(const QString& command, const QString& argument) { return command + argument; }
    void takeList(const QStringList& list) { m_count = list.size(); }
    QVariantMap takeMap(const QVariantMap& map) { return map; }
    int takeNumber(int number, double factor) { return int(number * factor); }

private:
    QString m_last;
    int m_count = 0;
};

namespace {
struct Rig
{
    QWebSocket socket;
    QWebChannel channel;
    Probe probe;
    WebSocketTransport* transport = new WebSocketTransport(&socket);
    Rig()
    {
        channel.registerObject(QStringLiteral("znwelcome"), &probe);
        channel.connectTo(transport);
    }
};
Rig* rig = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Never destroyed: the fuzzer leaves through exit(), after which Qt must not tear down.
    new QCoreApplication(*argc, *argv);
    // Refused messages are logged; the fuzzer's speed should not go to the terminal.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(text));
    });
    rig = new Rig;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<int>(size));
    QMetaObject::invokeMethod(rig->transport, "textMessageReceived", Qt::DirectConnection,
                              Q_ARG(QString, text));
    QCoreApplication::processEvents();
    return 0;
}

#include "fuzz_transport.moc"
