// Time of the marked-length scaler on large sheets. The figures per megabyte must stay flat as
// the sheet grows: the scaler reads every character a bounded number of times.

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

double millisecondsFor(const QString& sheet)
{
    QElapsedTimer timer;
    int rounds = 0;
    qsizetype guard = 0;
    timer.start();
    do {
        guard += IThemesManager::scaleMarkedLengths(sheet, 144).size();
        ++rounds;
    } while (timer.elapsed() < 300);
    if (guard < 0)
        std::printf("unreachable\n");
    return double(timer.nsecsElapsed()) / 1e6 / rounds;
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
        {"only \"$\"", QStringLiteral("$")},
        {"marked lengths", QStringLiteral("padding: $12px$ $-3px$; ")},
        {"unclosed tokens", QStringLiteral("$ab")},
        {"plain text", QStringLiteral("QWidget { color: #dcdcdc; } ")},
    };
    std::printf("%-18s %10s %10s %10s\n", "sheet", "1 MB ms", "4 MB ms", "ratio");
    for (const auto& kind : kinds) {
        const double one = millisecondsFor(repeated(kind.unit, megabyte));
        const double four = millisecondsFor(repeated(kind.unit, 4 * megabyte));
        std::printf("%-18s %10.2f %10.2f %10.2f\n", kind.name, one, four, four / one);
    }
    // One "$" at the front and none after: the search for the closing mark runs once.
    const QString lone = QLatin1Char('$') + repeated(QStringLiteral("a"), megabyte);
    std::printf("%-18s %10.2f\n", "one leading \"$\"", millisecondsFor(lone));
    return 0;
}
