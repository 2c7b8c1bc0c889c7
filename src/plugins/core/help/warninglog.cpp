// SPDX-License-Identifier: MIT
#include "warninglog.h"

#include <QDateTime>
#include <QMutex>
#include <QMutexLocker>

namespace {

struct LogState
{
    QMutex mutex;
    QStringList lines;
    int capacity = 50;
    QtMessageHandler previous = nullptr;
    bool installed = false;
};

LogState& state()
{
    static LogState log;
    return log;
}

const char* kindName(QtMsgType type)
{
    switch (type) {
    case QtWarningMsg:
        return "warning";
    case QtCriticalMsg:
        return "critical";
    case QtFatalMsg:
        return "fatal";
    default:
        return "info";
    }
}

void keepMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    LogState& log = state();
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) {
        const QString line = QStringLiteral("%1 %2: %3")
                                 .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")),
                                      QLatin1String(kindName(type)), message);
        // Messages come from any thread.
        QMutexLocker locker(&log.mutex);
        log.lines.append(line);
        while (log.lines.size() > log.capacity)
            log.lines.removeFirst();
    }
    if (log.previous)
        log.previous(type, context, message);
}

} // namespace

void WarningLog::install(int capacity)
{
    LogState& log = state();
    {
        QMutexLocker locker(&log.mutex);
        log.capacity = qMax(1, capacity);
        if (log.installed)
            return;
        log.installed = true;
    }
    log.previous = qInstallMessageHandler(keepMessage);
}

QStringList WarningLog::recent()
{
    LogState& log = state();
    QMutexLocker locker(&log.mutex);
    return log.lines;
}

void WarningLog::clear()
{
    LogState& log = state();
    QMutexLocker locker(&log.mutex);
    log.lines.clear();
}
