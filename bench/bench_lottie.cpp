// SPDX-License-Identifier: MIT
// Lottie export of the 5,000-shape project and import of the file it wrote, against
// QJsonDocument writing and reading the same JSON.

#include "benchprojects.h"
#include "benchrow.h"

#include <model/io/lottie/lottieexporter.h>
#include <model/io/lottie/lottieimporter.h>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.json"));
    const QString plainPath = folder.filePath(QStringLiteral("plain.json"));
    const ZenubProject project = bench::largeProject();
    const LottieExporter exporter(project, LottieExportOptions());
    QString error;
    if (!exporter.write(path, &error)) {
        std::fprintf(stderr, "bench_lottie: %s\n", qPrintable(error));
        return 1;
    }
    // The exporter writes text without a tree; the baseline writes the same document's tree.
    QFile written(path);
    written.open(QIODevice::ReadOnly);
    const QJsonObject animation = QJsonDocument::fromJson(written.readAll()).object();
    written.close();
    const QString size =
        QStringLiteral("%1 MB").arg(double(QFileInfo(path).size()) / 1e6, 0, 'f', 1);

    for (int run = 0; run < bench::runs(); ++run) {
        const auto [write, plainWrite] = bench::alternatingMedians(
            [&] { exporter.write(path, &error); },
            [&] {
                QSaveFile file(plainPath);
                file.open(QIODevice::WriteOnly);
                file.write(QJsonDocument(animation).toJson(QJsonDocument::Compact));
                file.commit();
            },
            3);
        bench::row("Lottie export, 5,000 shapes in 20 scenes", size, write, plainWrite, "ms",
                   bench::Better::Lower, 3,
                   "LottieExporter writing the project's animation to a file, against "
                   "QJsonDocument::toJson of the same JSON written through QSaveFile");

        ZenubProject imported;
        QStringList unsupported;
        bool bImported = false;
        const auto [read, plainRead] = bench::alternatingMedians(
            [&] {
                imported = ZenubProject();
                bImported = LottieImporter::importFile(path, &imported, &unsupported, &error);
            },
            [&] {
                QFile file(path);
                file.open(QIODevice::ReadOnly);
                const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
                Q_UNUSED(object)
            },
            // Three alternating turns, as for the export: one import of under a second moves
            // with the machine's load as much as the export does.
            3);
        int shapes = 0;
        for (const ZenubScene& scene : imported.getScenes())
            for (const ZenubLayer& layer : scene.getLayers())
                shapes += layer.getShapes().size();
        if (!bImported || shapes < 5000) {
            std::fprintf(stderr, "bench_lottie: %d shapes imported. %s\n", shapes,
                         qPrintable(error));
            return 1;
        }
        bench::row("Lottie import of the exported file", size, read, plainRead, "ms",
                   bench::Better::Lower, 3,
                   "LottieImporter opening the exported file as a new project, against reading "
                   "the same bytes with QFile and QJsonDocument::fromJson");
    }
    return 0;
}
