// SPDX-License-Identifier: MIT
// Project load and save against QJsonDocument on the same bytes, and the editor with a project
// of 5,000 shapes in 20 scenes: open to first paint, and frame time while playing.

#include "benchprojects.h"
#include "benchrow.h"

#include <testenvironment.h>

#include <document/designerdocument.h>
#include <model/io/zenub/zenubprojectfile.h>
#include <stage/stagewidget.h>

#include <QApplication>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TestEnvironment environment;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.zenub"));
    const QString plainPath = folder.filePath(QStringLiteral("plain.json"));
    const ZenubProject project = bench::largeProject();
    ZenubProjectFile saver(path);
    if (!saver.save(project)) {
        std::fprintf(stderr, "bench_project: %s\n", qPrintable(saver.getErrorString()));
        return 1;
    }
    const qint64 bytes = QFileInfo(path).size();
    const QString size = QStringLiteral("%1 MB").arg(double(bytes) / 1e6, 0, 'f', 1);
    QFile source(path);
    source.open(QIODevice::ReadOnly);
    const QJsonObject document = QJsonDocument::fromJson(source.readAll()).object();

    for (int run = 0; run < bench::runs(); ++run) {
        ZenubProject loaded;
        ZenubProjectFile loader(path);
        const auto [load, parse] =
            bench::alternatingMedians([&] { loader.load(&loaded); },
                                      [&] {
                                          QFile file(path);
                                          file.open(QIODevice::ReadOnly);
                                          const QJsonObject object =
                                              QJsonDocument::fromJson(file.readAll()).object();
                                          Q_UNUSED(object)
                                      });
        if (loaded != project) {
            std::fprintf(stderr, "bench_project: the project did not load back whole: %s\n",
                         qPrintable(loader.getErrorString()));
            return 1;
        }
        bench::row("Project load", size, load, parse, "ms", bench::Better::Lower, 1.3,
                   "ZenubProjectFile::load of the file into the model, against reading the "
                   "same bytes with QFile and QJsonDocument::fromJson");

        const auto [save, write] = bench::alternatingMedians(
            [&] { ZenubProjectFile(path).save(project); },
            [&] {
                QSaveFile file(plainPath);
                file.open(QIODevice::WriteOnly);
                file.write(QJsonDocument(document).toJson(QJsonDocument::Indented));
                file.commit();
            });
        bench::row("Project save", size, save, write, "ms", bench::Better::Lower, 1.3,
                   "ZenubProjectFile::save of the model, against QJsonDocument::toJson of the "
                   "same document written through QSaveFile, as the project is");

        DesignerDocument editorDocument;
        editorDocument.setFileName(path);
        StageWidget stage;
        stage.resize(1280, 720);
        stage.show();
        if (!QTest::qWaitForWindowExposed(&stage))
            return 1;
        const double firstPaint = bench::millisecondsOf([&] {
            editorDocument.open();
            stage.setDocument(&editorDocument);
            stage.setScene(0);
            stage.repaint();
        });
        bench::row("Open 5,000 shapes in 20 scenes, to first paint", size, firstPaint, parse, "ms",
                   bench::Better::Lower, 0,
                   "opening the project in the editor's document and painting the stage once, "
                   "against parsing the same bytes with QJsonDocument");

        const int frames = 96;
        const double frame = bench::millisecondsOf([&] {
                                 for (int f = 0; f < frames; ++f) {
                                     stage.setFrame(f);
                                     stage.repaint();
                                 }
                             }) /
                             frames;
        bench::row("Frame time while playing (250 shapes on stage)", size, frame,
                   1000.0 / project.getFrameRate(), "ms", bench::Better::Lower, 1,
                   "painting one frame of the stage at 1280x720 while the scene plays, against "
                   "the time one frame may take at the project's 24 frames per second");
    }
    return 0;
}
