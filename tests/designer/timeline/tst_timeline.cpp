// SPDX-License-Identifier: MIT
#include "document/designerdocument.h"
#include "editor/designereditorwidget.h"
#include "model/edits/keyframeedits.h"
#include "stage/stagewidget.h"
#include "timeline/easingmenu.h"
#include "timeline/grapheditorview.h"
#include "timeline/graphsegment.h"
#include "timeline/keyframecommands.h"
#include "timeline/playbackclock.h"
#include "timeline/timeformat.h"
#include "timeline/timelineview.h"
#include "timeline/timelinewidget.h"

#include <QAction>
#include <QScrollBar>
#include <QSpinBox>
#include <QUndoStack>
#include <QtTest>

namespace {

// Shape 0 moves through keyframes at 0, 10 and 20 (x equals the frame); shape 1 stands at x 5.
ZenubScene testScene()
{
    ZenubLayer layer(QStringLiteral("Layer"));
    ZenubShape moving(ZenubShape::Type::Rectangle, QStringLiteral("Moving"));
    for (const int frame : {0, 10, 20})
        moving.setKeyframe(ZenubKeyframe(frame, frame, 0, 10, 10));
    ZenubShape still(ZenubShape::Type::Ellipse, QStringLiteral("Still"));
    still.setKeyframe(ZenubKeyframe(0, 5, 5, 10, 10));
    layer.addShape(moving);
    layer.addShape(still);
    ZenubScene scene(QStringLiteral("Scene"), 30);
    scene.addLayer(layer);
    return scene;
}

// "frame:x" of each keyframe of a shape's position, so one that lands with the wrong values shows.
QString keysOf(const ZenubScene& scene, int shape)
{
    QStringList keys;
    for (const auto& key : scene.getLayers().at(0).getShapes().at(shape).tracks().position().keys())
        keys << QStringLiteral("%1:%2").arg(key.frame).arg(key.value.x());
    return keys.join(QLatin1Char(' '));
}

// A move with the left button held: QTest's own moves carry no buttons.
void dragTo(QWidget* widget, const QPoint& pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class tst_Timeline : public QObject
{
    Q_OBJECT
private slots:
    void playbackDropsFramesRatherThanSlowing_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<bool>("loop");
        QTest::addColumn<int>("frame");
        QTest::addColumn<bool>("ended");
        // 24 frames per second, 48 frames long.
        QTest::newRow("just before the next frame") << 0 << 41 << true << 0 << false;
        QTest::newRow("next frame") << 0 << 42 << true << 1 << false;
        QTest::newRow("a late tick skips frames") << 0 << 1000 << true << 24 << false;
        QTest::newRow("loop wraps") << 40 << 500 << true << 4 << false;
        QTest::newRow("no loop holds the last frame") << 40 << 500 << false << 47 << true;
        QTest::newRow("no loop before the end") << 40 << 250 << false << 46 << false;
    }
    void playbackDropsFramesRatherThanSlowing()
    {
        QFETCH(int, start);
        QFETCH(int, elapsed);
        QFETCH(bool, loop);
        QFETCH(bool, ended);
        bool bEnded = !ended;
        QFETCH(int, frame);
        QCOMPARE(PlaybackClock::frameAt(start, elapsed, 24, 48, loop, &bEnded), frame);
        QCOMPARE(bEnded, ended);
    }

    void timeCountsInFramesOrSeconds_data()
    {
        QTest::addColumn<bool>("seconds");
        QTest::addColumn<int>("frame");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("typedFrame");
        QTest::newRow("frames") << false << 12 << "12"
                                << "13" << 13;
        QTest::newRow("seconds") << true << 12 << "0.50 s"
                                 << "2" << 48;
        QTest::newRow("seconds round to a frame") << true << 0 << "0.00 s"
                                                  << "0.51s" << 12;
        QTest::newRow("not a time") << true << 1 << "0.04 s"
                                    << "abc" << -1;
        QTest::newRow("before the start") << false << 0 << "0"
                                          << "-3" << -1;
    }
    void timeCountsInFramesOrSeconds()
    {
        QFETCH(bool, seconds);
        QFETCH(int, frame);
        QFETCH(int, typedFrame);
        const TimeFormat format(seconds, 24);
        QTEST(format.text(frame), "text");
        QCOMPARE(format.frameOf(format.text(frame)), frame);
        QFETCH(QString, typed);
        QCOMPARE(format.frameOf(typed), typedFrame);
    }

    // A linear segment from (0, 0) to (10, toValue), its leaving handle dragged to point.
    void handleDragShapesTheEasing_data()
    {
        QTest::addColumn<double>("toValue");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<QPointF>("leaving");
        const double third = 1 / 3.0;
        QTest::newRow("up") << 100.0 << QPointF(10 * third, 60) << QPointF(third, 0.6);
        QTest::newRow("before the start") << 100.0 << QPointF(-5, 0) << QPointF(0, 0);
        QTest::newRow("past the end") << 100.0 << QPointF(20, 50) << QPointF(1, 0.5);
        QTest::newRow("flat keeps its height") << 0.0 << QPointF(5, 30) << QPointF(0.5, third);
    }
    void handleDragShapesTheEasing()
    {
        QFETCH(double, toValue);
        QFETCH(QPointF, point);
        QFETCH(QPointF, leaving);
        const ZenubEasing easing =
            GraphSegment::dragged({0, 0, ZenubEasing()}, {10, toValue, ZenubEasing()}, 0, point);
        QCOMPARE(easing.getType(), ZenubEasing::Type::CubicBezier);
        QVERIFY(qAbs(easing.x1() - leaving.x()) < 1e-9 && qAbs(easing.y1() - leaving.y()) < 1e-9);
        // The arriving handle stays where the linear segment showed it.
        QVERIFY(qAbs(easing.x2() - 2 / 3.0) < 1e-9 && qAbs(easing.y2() - 2 / 3.0) < 1e-9);
    }

    void propertyRowsEditOneTrack()
    {
        DesignerDocument document;
        QVERIFY(document.initNewDocument(400, 300, 24, false));
        QVERIFY(document.editProject(QStringLiteral("Set up"), [](ZenubProject& project) {
            project.scenes()[0] = testScene();
            ZenubTrack<double>& opacity =
                project.scenes()[0].layers()[0].shapes()[0].tracks().opacity();
            opacity = ZenubTrack<double>(1);
            opacity.setKey({5, 0.0, ZenubEasing()});
            opacity.setKey({15, 1.0, ZenubEasing()});
            return true;
        }));
        DesignerEditorWidget widget;
        widget.setDocument(&document);
        widget.resize(1000, 700);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        TimelineView* view = widget.getTimeline()->getView();
        QWidget* cells = view->viewport();
        const auto opacityKeys = [&] {
            QStringList keys;
            const ZenubShapeTracks& tracks = document.getProject()
                                                 .getScenes()
                                                 .at(0)
                                                 .getLayers()
                                                 .at(0)
                                                 .getShapes()
                                                 .at(0)
                                                 .tracks();
            for (const auto& key : tracks.opacity().keys())
                keys << QStringLiteral("%1:%2:%3")
                            .arg(key.frame)
                            .arg(key.value)
                            .arg(ZenubEasing::typeName(key.easing.getType()));
            return keys.join(QLatin1Char(' '));
        };
        const auto opacityKey = [](int frame) {
            return KeyframeRef::of(0, 0, ZenubProperty::Opacity, frame);
        };

        // The shape's row opens into a row for each keyed property.
        QCOMPARE(view->keyframePoint(opacityKey(15)), QPoint(-1, -1));
        QTest::mouseClick(cells, Qt::LeftButton, Qt::NoModifier, view->disclosurePoint(0, 0));
        QVERIFY(view->isExpanded(0, 0));
        QVERIFY(view->keyframePoint(opacityKey(15)).y() >
                view->keyframePoint(KeyframeRef{0, 0, 15}).y());

        // A drag on the opacity's row moves only its keyframe; the shape's still holds 10.
        const QPoint from = view->keyframePoint(opacityKey(15));
        const QPoint to = view->keyframePoint(opacityKey(18));
        QTest::mousePress(cells, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(cells, to);
        QTest::mouseRelease(cells, Qt::LeftButton, Qt::NoModifier, to);
        QCOMPARE(opacityKeys(), QStringLiteral("5:0:linear 18:1:linear"));
        QCOMPARE(keysOf(document.getProject().getScenes().at(0), 0),
                 QStringLiteral("0:0 10:10 20:20"));
        QCOMPARE(view->getSelection(), KeyframeRefs({opacityKey(18)}));

        // Hold from the easing menu, then Delete: each on that keyframe only.
        QTest::mouseClick(cells, Qt::LeftButton, Qt::NoModifier,
                          view->keyframePoint(opacityKey(5)));
        QAction* hold = nullptr;
        for (QAction* action : widget.getTimeline()->findChild<EasingMenu*>()->actions())
            if (action->data().toInt() == int(ZenubEasing::Type::Hold))
                hold = action;
        QVERIFY(hold);
        hold->trigger();
        QCOMPARE(opacityKeys(), QStringLiteral("5:0:hold 18:1:linear"));
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Backspace);
        QCOMPARE(opacityKeys(), QStringLiteral("18:1:linear"));
        QCOMPARE(keysOf(document.getProject().getScenes().at(0), 0),
                 QStringLiteral("0:0 10:10 20:20"));
        document.getUndoStack()->undo();
        document.getUndoStack()->undo();
        document.getUndoStack()->undo();
        QCOMPARE(opacityKeys(), QStringLiteral("5:0:linear 15:1:linear"));

        // Copied from its row, a keyframe pastes onto that track only, and stays picked alone.
        QTest::mouseClick(cells, Qt::LeftButton, Qt::NoModifier,
                          view->keyframePoint(opacityKey(15)));
        KeyframeCommands* commands = widget.getTimeline()->getKeyframeCommands();
        commands->copy();
        widget.getTimeline()->setFrame(25);
        commands->paste();
        QCOMPARE(opacityKeys(), QStringLiteral("5:0:linear 15:1:linear 25:1:linear"));
        QCOMPARE(keysOf(document.getProject().getScenes().at(0), 0),
                 QStringLiteral("0:0 10:10 20:20"));
        QCOMPARE(view->getSelection(), KeyframeRefs({opacityKey(25)}));
    }

    void graphEditorHandleAndKeyDragsUndo()
    {
        DesignerDocument document;
        QVERIFY(document.initNewDocument(400, 300, 24, false));
        QVERIFY(document.editProject(QStringLiteral("Set up"), [](ZenubProject& project) {
            project.scenes()[0] = testScene();
            ZenubShape& shape = project.scenes()[0].layers()[0].shapes()[0];
            shape.tracks().position() = ZenubTrack<QPointF>();
            shape.tracks().position().setKey({0, QPointF(0, 50), ZenubEasing()});
            shape.tracks().position().setKey({24, QPointF(240, 50), ZenubEasing()});
            return true;
        }));
        DesignerEditorWidget widget;
        widget.setDocument(&document);
        widget.resize(1000, 700);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        TimelineView* view = widget.getTimeline()->getView();
        GraphEditorView* graph = widget.getTimeline()->getGraph();
        const auto xAt = [&](int frame) {
            ZenubShapeState state;
            document.getProject().getScenes().at(0).getLayers().at(0).getShapes().at(0).stateAt(
                frame, &state);
            return state.box.getX();
        };
        widget.findChild<QAction*>(QStringLiteral("graphMode"))->trigger();
        QVERIFY(graph->isVisible());

        // The Position row's name chooses its two numbers for the graph.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                          view->disclosurePoint(0, 0));
        const int rowY = view->keyframePoint(KeyframeRef::of(0, 0, ZenubProperty::Position, 0)).y();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(80, rowY));
        QCOMPARE(graph->curves().count(), 2);
        const GraphKeyRef first{{0, 0, ZenubProperty::Position, 0}, 0};
        QTest::mouseClick(graph, Qt::LeftButton, Qt::NoModifier, graph->keyPoint(first));
        // The key is the position's: its y is picked with its x.
        QCOMPARE(graph->getSelection().size(), 2);
        QVERIFY(graph->getSelection().contains(first));

        // The leaving handle pulled up makes the start fast: frame 12 is past half way.
        const int steps = document.getUndoStack()->count();
        const QPoint handle = graph->handlePoint(first, 0);
        QVERIFY(handle.x() >= 0);
        QTest::mousePress(graph, Qt::LeftButton, Qt::NoModifier, handle);
        dragTo(graph, handle - QPoint(0, 30));
        dragTo(graph, handle - QPoint(0, 60));
        QTest::mouseRelease(graph, Qt::LeftButton, Qt::NoModifier, handle - QPoint(0, 60));
        QVERIFY2(xAt(12) > 150, qPrintable(QString::number(xAt(12))));
        QCOMPARE(document.getUndoStack()->count(), steps + 1);
        QCOMPARE(document.getUndoStack()->undoText(), QStringLiteral("Change Easing"));
        document.getUndoStack()->undo();
        QCOMPARE(xAt(12), 120.0);

        // The last key dragged left and down lands on an earlier frame with a smaller x.
        const GraphKeyRef last{first.channel, 24};
        const QPoint from = graph->keyPoint(last);
        const QPoint to =
            graph->keyPoint(GraphKeyRef{first.channel, 0}) + (from - graph->keyPoint(first)) / 2;
        QTest::mousePress(graph, Qt::LeftButton, Qt::NoModifier, from);
        dragTo(graph, (from + to) / 2);
        QTest::mouseRelease(graph, Qt::LeftButton, Qt::NoModifier, to);
        const auto& moved =
            document.getProject().getScenes().at(0).getLayers().at(0).getShapes().at(0).tracks();
        QCOMPARE(moved.keyFrames(ZenubProperty::Position), QVector<int>({0, 12}));
        QVERIFY(qAbs(moved.position().keys().constLast().value.x() - 120) < 3);
        QCOMPARE(document.getUndoStack()->count(), steps + 1);
        document.getUndoStack()->undo();
        QCOMPARE(keysOf(document.getProject().getScenes().at(0), 0), QStringLiteral("0:0 24:240"));

        // Delete in the graph takes its picked key, not the shape picked on the stage.
        QTest::mouseClick(graph, Qt::LeftButton, Qt::NoModifier, graph->keyPoint(first));
        graph->setFocus();
        QTest::keyClick(graph, Qt::Key_Delete);
        QCOMPARE(keysOf(document.getProject().getScenes().at(0), 0), QStringLiteral("24:240"));
        QCOMPARE(document.getProject().getScenes().at(0).getLayers().at(0).getShapes().size(), 2);
    }

    void dragNearTheEdgeScrollsToFarFrames()
    {
        DesignerDocument document;
        QVERIFY(document.initNewDocument(400, 300, 24, false));
        QVERIFY(document.editProject(QStringLiteral("Set up"), [](ZenubProject& project) {
            project.scenes()[0] = testScene();
            project.scenes()[0].setDuration(200);
            return true;
        }));
        DesignerEditorWidget widget;
        widget.setDocument(&document);
        widget.resize(1000, 700);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        TimelineView* view = widget.getTimeline()->getView();
        QWidget* cells = view->viewport();
        QVERIFY(view->rulerPoint(140).x() > cells->width());

        // Held at the right edge, the frames scroll until frame 140 is in sight.
        const QPoint from = view->keyframePoint({0, 0, 10});
        QTest::mousePress(cells, Qt::LeftButton, Qt::NoModifier, from);
        dragTo(cells, QPoint(cells->width() - 4, from.y()));
        QTRY_VERIFY(view->rulerPoint(140).x() < cells->width() - 100);
        const QPoint to(view->rulerPoint(140).x(), from.y());
        dragTo(cells, to);
        QTest::mouseRelease(cells, Qt::LeftButton, Qt::NoModifier, to);
        QCOMPARE(keysOf(document.getProject().getScenes().at(0), 0),
                 QStringLiteral("0:0 20:20 140:10"));

        // Held there longer, a key stops on the scene's last frame.
        QTest::mousePress(cells, Qt::LeftButton, Qt::NoModifier, view->keyframePoint({0, 0, 140}));
        dragTo(cells, QPoint(cells->width() - 4, from.y()));
        QTRY_COMPARE(view->horizontalScrollBar()->value(), view->horizontalScrollBar()->maximum());
        QTest::mouseRelease(cells, Qt::LeftButton, Qt::NoModifier,
                            QPoint(cells->width() - 4, from.y()));
        QCOMPARE(keysOf(document.getProject().getScenes().at(0), 0),
                 QStringLiteral("0:0 20:20 199:10"));

        // Seconds on the tool bar: the frame field counts in them.
        widget.getTimeline()->setFrame(36);
        widget.findChild<QAction*>(QStringLiteral("showSeconds"))->trigger();
        QCOMPARE(widget.findChild<QSpinBox*>(QStringLiteral("frameSpin"))->text(),
                 QStringLiteral("1.50 s"));
    }

    void dragDeleteUndoAndScrubInTheEditor()
    {
        DesignerDocument document;
        QVERIFY(document.initNewDocument(400, 300, 24, false));
        QVERIFY(document.editProject(QStringLiteral("Set up"), [](ZenubProject& project) {
            project.scenes()[0] = testScene();
            return true;
        }));
        DesignerEditorWidget widget;
        widget.setDocument(&document);
        widget.resize(1000, 700);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        TimelineView* view = widget.getTimeline()->getView();
        QWidget* cells = view->viewport();
        const auto keys = [&] {
            return keysOf(document.getProject().getScenes().at(0), 0);
        };
        const int steps = document.getUndoStack()->count();

        const QPoint from = view->keyframePoint({0, 0, 10});
        const QPoint to = view->keyframePoint({0, 0, 15});
        QTest::mousePress(cells, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(cells, (from + to) / 2);
        QTest::mouseMove(cells, to);
        QCOMPARE(document.getUndoStack()->count(), steps);
        QTest::mouseRelease(cells, Qt::LeftButton, Qt::NoModifier, to);
        QCOMPARE(keys(), QStringLiteral("0:0 15:10 20:20"));
        QCOMPARE(document.getUndoStack()->count(), steps + 1);

        // A rectangle dragged over empty cells picks the keyframes in it.
        const QPoint corner = view->keyframePoint({0, 0, 12}) - QPoint(0, 8);
        QTest::mousePress(cells, Qt::LeftButton, Qt::NoModifier, corner);
        QTest::mouseMove(cells, view->keyframePoint({0, 0, 25}) + QPoint(0, 8));
        QTest::mouseRelease(cells, Qt::LeftButton, Qt::NoModifier,
                            view->keyframePoint({0, 0, 25}) + QPoint(0, 8));
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Backspace);
        QCOMPARE(keys(), QStringLiteral("0:0"));
        document.getUndoStack()->undo();
        document.getUndoStack()->undo();
        QCOMPARE(keys(), QStringLiteral("0:0 10:10 20:20"));

        // A click on a keyframe shows it on the stage, ready for editing.
        QTest::mouseClick(cells, Qt::LeftButton, Qt::NoModifier, view->keyframePoint({0, 0, 10}));
        QCOMPARE(widget.getStage()->getFrame(), 10);
        QCOMPARE(widget.getStage()->getSelectedShapes(), QVector<ShapeRef>({{0, 0, 0}}));
        QTest::mouseClick(cells, Qt::LeftButton, Qt::NoModifier, view->rulerPoint(7));
        QCOMPARE(widget.getStage()->getFrame(), 7);
        QTest::keyClick(view, Qt::Key_Right);
        widget.findChild<QAction*>(QStringLiteral("nextFrame"))->trigger();
        QCOMPARE(widget.getStage()->getFrame(), 9);
        QTest::keyClick(view, Qt::Key_Space);
        QTRY_VERIFY(widget.getStage()->getFrame() != 9);
        QTest::keyClick(view, Qt::Key_Space);
        QVERIFY(!widget.getTimeline()->isPlaying());
    }
};

QTEST_MAIN(tst_Timeline)
#include "tst_timeline.moc"
