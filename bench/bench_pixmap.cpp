// SPDX-License-Identifier: MIT
// A cached pixmap through IUi::getPixmap against a plain QHash lookup of the same pixmap.

#include "benchrow.h"

#include <plugin/iui.h>

#include <QApplication>
#include <QDir>
#include <QHash>
#include <QPixmap>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    QPixmap image(32, 32);
    image.fill(Qt::darkCyan);
    // Whatever the screen's density, the name asked for exists.
    image.save(folder.filePath(QStringLiteral("bench.png")));
    image.save(folder.filePath(QStringLiteral("bench_2x.png")));
    IUi* ui = IUi::getInstance();
    const QString name = QStringLiteral("bench");
    if (ui->getPixmap(name, IUi::Normal, 0, folder.path(), false).isNull())
        return 1;
    QHash<QString, QPixmap> plain;
    const QString key = QDir(folder.path()).absoluteFilePath(QStringLiteral("bench.png"));
    plain.insert(key, image);

    qint64 guard = 0;
    for (int run = 0; run < bench::runs(); ++run) {
        const double ours = bench::microsecondsPerCall(
            [&] { guard += ui->getPixmap(name, IUi::Normal, 0, folder.path(), false).width(); });
        const double baseline =
            bench::microsecondsPerCall([&] { guard += plain.value(key).width(); });
        bench::row("IUi::getPixmap, cached entry", QStringLiteral("1 entry"), ours * 1000,
                   baseline * 1000, "ns", bench::Better::Lower, 0,
                   "one IUi::getPixmap call that finds its pixmap in the cache, against one "
                   "QHash<QString, QPixmap>::value of the same pixmap");
    }
    return guard < 0;
}
