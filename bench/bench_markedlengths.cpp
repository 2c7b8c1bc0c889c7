// SPDX-License-Identifier: MIT
// Time of the marked-length scaler on large sheets, against copying the same sheet. The figures
// per megabyte must stay flat as the sheet grows: the scaler reads every character a bounded
// number of times.

#include "benchrow.h"

#include <appearance/ithemesmanager.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

#include <cstdio>

namespace {

QString repeated(const QString& unit, int size)
{
    QString sheet;
    sheet.reserve(size + unit.size());
    while (sheet.size() < size)
        sheet += unit;
    sheet.truncate(size);
    return sheet;
}

template<typename Work>
double millisecondsFor(Work work)
{
    return bench::microsecondsPerCall(work, 200) / 1000;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int megabyte = 1 << 20;
    const struct
    {
        const char* name;
        QString unit;
    } kinds[] = {
        {"only marks", QStringLiteral("$")},
        {"marked lengths", QStringLiteral("padding: $12px$ $-3px$; ")},
        {"unclosed tokens", QStringLiteral("$ab")},
        {"plain text", QStringLiteral("QWidget { color: #dcdcdc; } ")},
    };
    qsizetype guard = 0;
    for (int run = 0; run < bench::runs(); ++run) {
        for (const auto& kind : kinds) {
            for (const int megabytes : {1, 4}) {
                const QString sheet = repeated(kind.unit, megabytes * megabyte);
                const double ours = millisecondsFor(
                    [&] { guard += IThemesManager::scaleMarkedLengths(sheet, 144).size(); });
                const double copy = millisecondsFor([&] {
                    QString copied;
                    copied.reserve(sheet.size());
                    copied.append(sheet);
                    guard += copied.size();
                });
                bench::row(qPrintable(QStringLiteral("Style-sheet scaler, %1")
                                          .arg(QString::fromLatin1(kind.name))),
                           QStringLiteral("%1 MB").arg(megabytes), ours, copy, "ms",
                           bench::Better::Lower, 0,
                           "scaling the marked lengths of a sheet for 144 dpi, against copying "
                           "the same sheet into a new string");
            }
        }
    }
    // One "$" at the front and none after: the search for the closing mark runs once.
    const QString lone = QLatin1Char('$') + repeated(QStringLiteral("a"), megabyte);
    const double ours =
        millisecondsFor([&] { guard += IThemesManager::scaleMarkedLengths(lone, 144).size(); });
    const double copy =
        millisecondsFor([&] { guard += QString(lone).append(QLatin1Char('a')).size(); });
    bench::row("Style-sheet scaler, one leading mark", QStringLiteral("1 MB"), ours, copy, "ms",
               bench::Better::Lower, 0,
               "scaling a sheet whose only mark is its first character, against copying it");
    return guard < 0;
}
