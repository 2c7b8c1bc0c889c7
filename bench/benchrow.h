// SPDX-License-Identifier: MIT
#ifndef BENCHROW_H
#define BENCHROW_H

// One measured pair per line, for scripts/bench to collect: our figure beside its baseline.

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <cstdio>

namespace bench {

enum class Better { Lower, Higher };

/*!
    \a target is the ratio ours / baseline to meet: at most it when lower is better, at least it
    when higher is better; 0 for a figure reported without a target.
*/
inline void row(const char* name, const QString& size, double ours, double baseline,
                const char* unit, Better better, double target, const char* measures)
{
    std::printf("{\"row\": \"%s\", \"size\": \"%s\", \"ours\": %.6g, \"baseline\": %.6g, "
                "\"unit\": \"%s\", \"better\": \"%s\", \"target\": %g, \"measures\": \"%s\"}\n",
                name, qPrintable(size), ours, baseline, unit,
                better == Better::Lower ? "lower" : "higher", target, measures);
    std::fflush(stdout);
}

/*! The number of rounds each program measures, from ZENUB_BENCH_RUNS (default 3). */
inline int runs()
{
    const int runs = qEnvironmentVariableIntValue("ZENUB_BENCH_RUNS");
    return runs > 0 ? runs : 3;
}

/*! Resident memory of this process in KiB, from /proc (0 where there is none). */
inline qint64 residentKiB(const char* field = "VmRSS:")
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

/*! Microseconds per call of \a work, repeated for at least \a milliseconds. */
template<typename Work>
double microsecondsPerCall(Work work, int milliseconds = 300)
{
    QElapsedTimer timer;
    qint64 calls = 0;
    timer.start();
    do {
        work();
        ++calls;
    } while (timer.elapsed() < milliseconds);
    return double(timer.nsecsElapsed()) / 1e3 / double(calls);
}

} // namespace bench

#endif
