// SPDX-License-Identifier: MIT
// The time line with one shape of 1,000 to 600,000 keyframes: open to the first painted time
// line, and one repaint while it is scrolled page by page, against the frame budget.

#include "benchrow.h"

#include <testenvironment.h>

#include <document/designerdocument.h>
#include <model/io/zenub/zenubprojectfile.h>
#include <stage/stagewidget.h>
#include <timeline/timelineview.h>
#include <timeline/timelinewidget.h>

#include <QApplication>
#include <QJsonDocument>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

ZenubProject keyframeProject(int keyframes)
{
    ZenubProject project = ZenubProject::createNew(QStringLiteral("Keys"), 640, 360, 24);
    ZenubScene& scene = project.scenes()[0];
    scene.setDuration(keyframes + 1);
    ZenubShape shape(ZenubShape::Type::Rectangle, QStringLiteral("Runner"));
    shape.tracks().size().setValue(QSizeF(20, 20));
    // Keys on one track: a box keyframe would key four, and 600,000 of those pass the size
    // limit of a project file.
    for (int k = 0; k < keyframes; ++k)
        shape.tracks().position().setKey(k, QPointF(k % 600, 20 + k % 300));
    scene.layers()[0].addShape(shape);
    return project;
}

double millisecondsOf(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TestEnvironment environment;
    QTemporaryDir folder;
    for (const int keyframes : {1000, 100000, 600000}) {
        const QString path = folder.filePath(QStringLiteral("keys%1.zenub").arg(keyframes));
        // Compact, as a file made by another tool may be: indented, 600,000 keyframes would
        // pass the size limit of a project.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(QJsonDocument(ZenubProjectFile::toDocument(keyframeProject(keyframes)))
                           .toJson(QJsonDocument::Compact)) <= 0)
            return 1;
        file.close();
        const QString size = QStringLiteral("%L1 keyframes").arg(keyframes);
        for (int run = 0; run < bench::runs(); ++run) {
            const double parse = millisecondsOf([&] {
                QFile file(path);
                file.open(QIODevice::ReadOnly);
                QJsonDocument::fromJson(file.readAll());
            });
            DesignerDocument document;
            document.setFileName(path);
            StageWidget stage;
            TimelineWidget timeline(&stage);
            timeline.resize(1200, 240);
            timeline.show();
            if (!QTest::qWaitForWindowExposed(&timeline))
                return 1;
            QWidget* viewport = timeline.getView()->viewport();
            const double open = millisecondsOf([&] {
                document.open();
                stage.setDocument(&document);
                timeline.setDocument(&document);
                viewport->repaint();
            });
            bench::row("Open to the first painted time line", size, open, parse, "ms",
                       bench::Better::Lower, 0,
                       "opening the project in the editor's document and painting the time line "
                       "once, against parsing the same bytes with QJsonDocument");

            // Page by page to the far end, as a user dragging the scroll bar sees it.
            QScrollBar* scroll = timeline.getView()->horizontalScrollBar();
            const int pages = 50;
            const double paint = millisecondsOf([&] {
                                     for (int page = 1; page <= pages; ++page) {
                                         scroll->setValue(scroll->maximum() / pages * page);
                                         viewport->repaint();
                                     }
                                 }) /
                                 pages;
            bench::row("Time line repaint while scrolling", size, paint, 1000.0 / 24, "ms",
                       bench::Better::Lower, 1,
                       "one repaint of the time line (1200 pixels wide) scrolled a page at a time "
                       "from the first keyframe to the last, against the 41.7 ms a frame may "
                       "take at 24 frames per second");
        }
    }
    return 0;
}
