// SPDX-License-Identifier: MIT
// Project load and save against QJsonDocument on the same bytes, and the editor with a project
// of 5,000 shapes in 20 scenes: open to first paint, and frame time while playing.

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

#include <algorithm>
#include <vector>

namespace {

// 5,000 shapes in 20 scenes; the keyframes per shape set the file size (about 10 MB at 4).
ZenubProject makeProject(int keyframesPerShape)
{
    ZenubProject project = ZenubProject::createNew(QStringLiteral("Bench"), 1280, 720, 24);
    project.scenes().clear();
    for (int s = 0; s < 20; ++s) {
        ZenubScene scene(QStringLiteral("Scene %1").arg(s + 1), 96);
        ZenubLayer layer(QStringLiteral("Layer"));
        for (int i = 0; i < 250; ++i) {
            ZenubShape shape(i % 3 == 0 ? ZenubShape::Type::Ellipse : ZenubShape::Type::Rectangle,
                             QStringLiteral("Shape %1").arg(i));
            shape.setFillColor(QColor(QColor::fromHsv((i * 37) % 360, 160, 220).rgb()));
            for (int k = 0; k < keyframesPerShape; ++k) {
                ZenubKeyframe keyframe(k * 96 / keyframesPerShape, (i * 53 + k * 17) % 1200,
                                       (i * 31 + k * 11) % 680, 20 + i % 60, 20 + k * 3);
                shape.setKeyframe(keyframe);
            }
            layer.addShape(shape);
        }
        scene.addLayer(layer);
        project.addScene(scene);
    }
    return project;
}

double millisecondsOf(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Medians of five turns of each, taken in alternation: a single time of a few tens of
// milliseconds moves with whatever else the machine does, and both sides see the same moments.
std::pair<double, double> alternatingMedians(const std::function<void()>& ours,
                                             const std::function<void()>& baseline)
{
    std::vector<double> oursTimes, baselineTimes;
    for (int turn = 0; turn < 5; ++turn) {
        oursTimes.push_back(millisecondsOf(ours));
        baselineTimes.push_back(millisecondsOf(baseline));
    }
    std::sort(oursTimes.begin(), oursTimes.end());
    std::sort(baselineTimes.begin(), baselineTimes.end());
    return {oursTimes[2], baselineTimes[2]};
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TestEnvironment environment;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.zenub"));
    const QString plainPath = folder.filePath(QStringLiteral("plain.json"));
    const ZenubProject project = makeProject(4);
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
            alternatingMedians([&] { loader.load(&loaded); },
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

        const auto [save, write] = alternatingMedians(
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
        const double firstPaint = millisecondsOf([&] {
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
        const double frame = millisecondsOf([&] {
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
