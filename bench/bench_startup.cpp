// SPDX-License-Identifier: MIT
// Start-up until the welcome page's script has connected to the application, and the memory
// of the idle process tree, against a bare QMainWindow with a QWebEngineView on a static local
// page whose script connects the same way. The end signal is seen from outside for both: an
// accepted TCP connection on the process's own listening port.
//
// Run without arguments it measures; with --baseline it is the bare window.

#include "benchrow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <QUrlQuery>
#include <QWebEngineView>
#include <QWebSocket>
#include <QWebSocketServer>

namespace {

QSet<QByteArray> socketInodes(qint64 pid)
{
    QSet<QByteArray> inodes;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::NoDotAndDotDot)) {
        const QString target = fd.symLinkTarget().section(QLatin1Char('/'), -1);
        if (target.startsWith(QLatin1String("socket:[")))
            inodes.insert(target.mid(8).chopped(1).toLatin1());
    }
    return inodes;
}

// True once a socket of \a pid on one of its listening ports has an established peer.
bool pageConnected(qint64 pid)
{
    const QSet<QByteArray> inodes = socketInodes(pid);
    QFile table(QStringLiteral("/proc/net/tcp"));
    if (inodes.isEmpty() || !table.open(QIODevice::ReadOnly))
        return false;
    QSet<QByteArray> listening;
    QList<QByteArray> established;
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 10 || !inodes.contains(fields.at(9)))
            continue;
        const QByteArray port = fields.at(1).mid(fields.at(1).indexOf(':') + 1);
        if (fields.at(3) == "0A")
            listening.insert(port);
        else if (fields.at(3) == "01")
            established.append(port);
    }
    for (const QByteArray& port : established) {
        if (listening.contains(port))
            return true;
    }
    return false;
}

// Resident memory of a process, in KiB.
double residentKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

struct Memory
{
    double mainMiB = 0;
    double treeMiB = 0;
    // CPU time of the main thread until the end signal, in ms: the part of the start that is
    // ours, whatever else the machine runs.
    double mainThreadMs = 0;
};

double mainThreadCpuMs(qint64 pid)
{
    QFile schedstat(QStringLiteral("/proc/%1/schedstat").arg(pid));
    if (!schedstat.open(QIODevice::ReadOnly))
        return 0;
    return schedstat.readAll().split(' ').value(0).toDouble() / 1e6;
}

// Resident memory of \a pid alone and with every process below it (the web engine's helpers).
Memory memoryOf(qint64 pid)
{
    QHash<qint64, QList<qint64>> children;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        children[fields.value(1).toLongLong()].append(entry.toLongLong());
    }
    Memory memory;
    memory.mainMiB = residentKiB(pid) / 1024;
    QList<qint64> pending{pid};
    while (!pending.isEmpty()) {
        const qint64 next = pending.takeFirst();
        pending += children.value(next);
        memory.treeMiB += residentKiB(next) / 1024;
    }
    return memory;
}

// Seconds from start to the end signal (-1 on a time-out); \a idle after two idle seconds.
// A connection the server refused (no token) also opens first, so the messages are checked.
double startAndMeasure(const QString& program, const QStringList& arguments,
                       const QProcessEnvironment& environment, Memory* idle)
{
    QTemporaryDir folder;
    const QString messages = folder.filePath(QStringLiteral("stderr"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(messages);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return -1;
    double seconds = -1;
    double cpuMs = 0;
    while (timer.elapsed() < 30000 && process.state() == QProcess::Running) {
        if (pageConnected(process.processId())) {
            seconds = double(timer.nsecsElapsed()) / 1e9;
            cpuMs = mainThreadCpuMs(process.processId());
            break;
        }
        QThread::msleep(5);
    }
    QThread::msleep(2000);
    *idle = memoryOf(process.processId());
    idle->mainThreadMs = cpuMs;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
    QFile log(messages);
    if (log.open(QIODevice::ReadOnly) && log.readAll().contains("Refused a WebSocket")) {
        std::fprintf(stderr, "bench_startup: %s refused its page's connection\n",
                     qPrintable(program));
        return -1;
    }
    return seconds;
}

int runBaseline(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWebSocketServer server(QStringLiteral("baseline"), QWebSocketServer::NonSecureMode);
    server.listen(QHostAddress::LocalHost);
    // The page presents a token as the application's pages do, and the server checks it.
    const QString token = QString::number(QRandomGenerator::system()->generate64(), 36);
    QList<QWebSocket*> clients;
    QObject::connect(&server, &QWebSocketServer::newConnection, [&] {
        QWebSocket* client = server.nextPendingConnection();
        if (QUrlQuery(client->requestUrl()).queryItemValue(QStringLiteral("token")) == token)
            clients.append(client);
        else
            client->close(QWebSocketProtocol::CloseCodePolicyViolated);
    });
    QTemporaryDir folder;
    const QString page = folder.filePath(QStringLiteral("page.html"));
    QFile file(page);
    file.open(QIODevice::WriteOnly);
    file.write(QStringLiteral("<!DOCTYPE html><html><body><h1>Welcome</h1><script>"
                              "var socket = new WebSocket('ws://127.0.0.1:%1/?token=%2');"
                              "</script></body></html>")
                   .arg(server.serverPort())
                   .arg(token)
                   .toUtf8());
    file.close();
    QMainWindow window;
    auto* view = new QWebEngineView(&window);
    window.setCentralWidget(view);
    view->load(QUrl::fromLocalFile(page));
    // Maximised, as the application's first start shows its window, so both draw about the same
    // number of pixels (the size is for a display without a window manager).
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window.showMaximized();
    return application.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--baseline") == 0)
        return runBaseline(argc, argv);
    QCoreApplication application(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    const QString ours = QDir(folder).filePath(QStringLiteral("../../bin/zenub-animate"));
    // One home folder for every start of both programs, as a user's: what the web engine and
    // the font cache keep there is warm after the first start of each, which is not measured.
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        environment.remove(QLatin1String(name));
    // Each start of ours gets a settings folder of its own, as a first start would.
    QTemporaryDir settings;
    int started = 0;
    const auto startOurs = [&](Memory* memory) {
        return startAndMeasure(
            ours, {QStringLiteral("-settingspath"), settings.filePath(QString::number(started++))},
            environment, memory);
    };
    const auto startBaseline = [&](Memory* memory) {
        return startAndMeasure(QCoreApplication::applicationFilePath(),
                               {QStringLiteral("--baseline")}, environment, memory);
    };
    Memory ignored;
    if (startOurs(&ignored) < 0 || startBaseline(&ignored) < 0) {
        std::fprintf(stderr, "bench_startup: a page did not connect within 30 seconds\n");
        return 1;
    }
    for (int run = 0; run < bench::runs(); ++run) {
        Memory oursMemory;
        Memory baseMemory;
        const double oursSeconds = startOurs(&oursMemory);
        const double baseSeconds = startBaseline(&baseMemory);
        if (oursSeconds < 0 || baseSeconds < 0) {
            std::fprintf(stderr, "bench_startup: a page did not connect within 30 seconds\n");
            return 1;
        }
        bench::row("Start-up to the welcome page's script connected", QStringLiteral("-"),
                   oursSeconds * 1000, baseSeconds * 1000, "ms", bench::Better::Lower, 1.15,
                   "time from starting the application with a new settings folder until its "
                   "welcome page's script has connected to it, against a bare, maximised "
                   "QMainWindow with a QWebEngineView on a static local page whose script "
                   "connects to a QWebSocketServer (under a window manager; one home folder for "
                   "all starts, the first of each not counted)");
        bench::row("Start-up, CPU time of the main thread", QStringLiteral("-"),
                   oursMemory.mainThreadMs, baseMemory.mainThreadMs, "ms", bench::Better::Lower, 0,
                   "CPU time the main thread has used when the page's script connects, against "
                   "the bare window's: where the start's own work is, whatever else runs");
        bench::row("Idle memory after start-up, main process", QStringLiteral("-"),
                   oursMemory.mainMiB, baseMemory.mainMiB, "MiB", bench::Better::Lower, 1.15,
                   "resident memory of the main process alone two seconds after the end "
                   "signal, against the bare window's");
        bench::row("Idle memory after start-up, with the web engine's helpers", QStringLiteral("-"),
                   oursMemory.treeMiB, baseMemory.treeMiB, "MiB", bench::Better::Lower, 0,
                   "resident memory of the main process and its web-engine helper processes "
                   "two seconds after the end signal, against the bare window's");
    }
    return 0;
}
