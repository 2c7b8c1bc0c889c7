// SPDX-License-Identifier: MIT
// Web-channel calls through the application's transport against a raw QWebSocketServer echo,
// with the same clients (in a thread of their own) sending messages of the same size. Clients
// of both present the run's token, as the application's pages do.

#include "benchrow.h"

#include <webchannel/channelaccess.h>
#include <webchannel/websocketclientwrapper.h>
#include <webchannel/websockettransport.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <QTimer>
#include <QWebChannel>
#include <QWebSocket>
#include <QWebSocketServer>

#include <memory>
#include <vector>

#include <pthread.h>
#include <time.h>

class EchoObject : public QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE QString echo(const QString& text) { return text; }
};

namespace {

const QString kPayload(64, QLatin1Char('x'));

// The server side (our transport and channel, or the echo) runs on the main thread.
clockid_t serverClock;

double cpuSeconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

struct Figures
{
    double callsPerSecond = -1;
    // CPU time per call of the thread serving the sockets and of the clients' thread, in us.
    double serverCpu = 0;
    double clientCpu = 0;
};

QString callText(int method, int id)
{
    const QJsonObject call{{QStringLiteral("type"), 6},
                           {QStringLiteral("object"), QStringLiteral("echo")},
                           {QStringLiteral("method"), method},
                           {QStringLiteral("args"), QJsonArray{kPayload}},
                           {QStringLiteral("id"), id}};
    return QString::fromUtf8(QJsonDocument(call).toJson(QJsonDocument::Compact));
}

// Closed loop: each client sends its next call as soon as the answer to the last one is in.
// Calls per second over \a milliseconds, or -1 when the clients could not connect.
Figures measure(const QUrl& url, int clients, bool channel, int milliseconds)
{
    QEventLoop loop;
    std::vector<std::unique_ptr<QWebSocket>> sockets;
    int connected = 0;
    for (int i = 0; i < clients; ++i) {
        sockets.push_back(std::make_unique<QWebSocket>());
        QObject::connect(sockets.back().get(), &QWebSocket::connected, [&] {
            if (++connected == clients)
                loop.quit();
        });
        sockets.back()->open(url);
    }
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    if (connected < clients)
        return {};

    int method = 0;
    if (channel) {
        int initialised = 0;
        for (auto& socket : sockets) {
            QObject::connect(socket.get(), &QWebSocket::textMessageReceived,
                             [&](const QString& text) {
                                 const QJsonObject echo = QJsonDocument::fromJson(text.toUtf8())
                                                              .object()
                                                              .value(QStringLiteral("data"))
                                                              .toObject()
                                                              .value(QStringLiteral("echo"))
                                                              .toObject();
                                 for (const QJsonValue& entry :
                                      echo.value(QStringLiteral("methods")).toArray()) {
                                     if (entry.toArray().at(0).toString() == QLatin1String("echo"))
                                         method = entry.toArray().at(1).toInt();
                                 }
                                 if (++initialised == clients)
                                     loop.quit();
                             });
            socket->sendTextMessage(QStringLiteral("{\"type\":3,\"id\":0}"));
        }
        loop.exec();
        for (auto& socket : sockets)
            socket->disconnect();
    }

    const QString text = callText(method, 1);
    qint64 calls = 0;
    bool stopping = false;
    int outstanding = clients;
    QElapsedTimer timer;
    for (auto& socket : sockets) {
        QWebSocket* s = socket.get();
        QObject::connect(s, &QWebSocket::textMessageReceived, [&, s](const QString&) {
            ++calls;
            if (!stopping)
                s->sendTextMessage(text);
            else if (--outstanding == 0)
                loop.quit();
        });
    }
    const double server0 = cpuSeconds(serverClock);
    const double client0 = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    timer.start();
    for (auto& socket : sockets)
        socket->sendTextMessage(text);
    QTimer::singleShot(milliseconds, [&] { stopping = true; });
    loop.exec();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    Figures figures;
    figures.callsPerSecond = double(calls) / seconds;
    figures.serverCpu = (cpuSeconds(serverClock) - server0) * 1e6 / double(calls);
    figures.clientCpu = (cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - client0) * 1e6 / double(calls);
    for (auto& socket : sockets)
        socket->close();
    return figures;
}

Figures measureFromThread(const QUrl& url, int clients, bool channel, int milliseconds)
{
    Figures result;
    QThread* thread =
        QThread::create([&] { result = measure(url, clients, channel, milliseconds); });
    QEventLoop loop;
    QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec();
    thread->wait();
    delete thread;
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    pthread_getcpuclockid(pthread_self(), &serverClock);

    QWebSocketServer channelServer(QStringLiteral("bench"), QWebSocketServer::NonSecureMode);
    channelServer.listen(QHostAddress::LocalHost);
    WebSocketClientWrapper wrapper(&channelServer);
    // As in the application: every client presents this run's token in the address it opens.
    ChannelAccess access(channelServer.serverPort());
    wrapper.setAccessToken(access.token());
    QWebChannel webChannel;
    EchoObject echoObject;
    webChannel.registerObject(QStringLiteral("echo"), &echoObject);
    QObject::connect(&wrapper, &WebSocketClientWrapper::clientConnected, &webChannel,
                     &QWebChannel::connectTo);

    QWebSocketServer echoServer(QStringLiteral("echo"), QWebSocketServer::NonSecureMode);
    echoServer.listen(QHostAddress::LocalHost);
    QObject::connect(&echoServer, &QWebSocketServer::newConnection, [&] {
        while (QWebSocket* socket = echoServer.nextPendingConnection()) {
            QObject::connect(socket, &QWebSocket::textMessageReceived, socket,
                             [socket](const QString& text) { socket->sendTextMessage(text); });
            QObject::connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    const QUrl channelUrl = access.url();
    // The same address with the echo's port, so both handshakes carry the same bytes.
    QUrl echoUrl = channelUrl;
    echoUrl.setPort(echoServer.serverPort());

    for (int run = 0; run < bench::runs(); ++run) {
        for (const int clients : {1, 10, 50}) {
            const Figures channel = measureFromThread(channelUrl, clients, true, 700);
            const Figures raw = measureFromThread(echoUrl, clients, false, 700);
            if (channel.callsPerSecond < 0 || raw.callsPerSecond < 0)
                return 1;
            const double ours = channel.callsPerSecond;
            const double echo = raw.callsPerSecond;
            bench::row("Web-channel calls per second", QString::number(clients), ours, echo,
                       "calls/s", bench::Better::Higher, 0.8,
                       "method calls through the application's WebSocket transport and "
                       "QWebChannel, each client calling again once answered, against a raw "
                       "QWebSocketServer echoing the same messages to the same clients");
            if (clients == 1) {
                bench::row("Web-channel round trip", QStringLiteral("1"), 1e6 / ours, 1e6 / echo,
                           "us", bench::Better::Lower, 1.2,
                           "time from sending a call to its answer with one client, against "
                           "the echo");
            }
            // Where the time goes: whether the thread serving the sockets is the bottleneck.
            bench::row("Web-channel server thread CPU per call", QString::number(clients),
                       channel.serverCpu, raw.serverCpu, "us", bench::Better::Lower, 0,
                       "CPU time the thread serving the sockets spends per call, against the "
                       "echo's; with two cores, the clients' thread takes the other");
            bench::row("Web-channel clients' thread CPU per call", QString::number(clients),
                       channel.clientCpu, raw.clientCpu, "us", bench::Better::Lower, 0,
                       "CPU time of the thread running the clients per call, the same work on "
                       "both sides");
        }
    }
    return 0;
}

#include "bench_webchannel.moc"
