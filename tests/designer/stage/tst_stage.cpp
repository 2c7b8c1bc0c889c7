// SPDX-License-Identifier: MIT
#include "editor/designereditorwidget.h"
#include "editor/shapecommands.h"
#include "stage/shapearranger.h"
#include "stage/shapedrawtool.h"
#include "stage/stagehandles.h"
#include "stage/stagewidget.h"

#include <QAction>
#include <QUndoStack>
#include <QtTest>

namespace {

using Handle = StageHandles::Handle;

// One editor on a 400x300 stage with two rectangles; the second lies off the first's lines.
struct Editor
{
    Editor()
    {
        document.initNewDocument(400, 300, 24, false);
        document.addShape(0, int(ZenubShape::Type::Rectangle));
        document.addShape(0, int(ZenubShape::Type::Rectangle));
        document.editShapeStates({{0, 0, 0}}, 0, "place",
                                 [](ZenubKeyframe& s) { s = ZenubKeyframe(0, 100, 100, 80, 40); });
        document.editShapeStates({{0, 0, 1}}, 0, "place",
                                 [](ZenubKeyframe& s) { s = ZenubKeyframe(0, 263, 212, 50, 50); });
        widget.setDocument(&document);
        widget.resize(1200, 800);
        widget.show();
        stage = widget.getStage();
        // The view's keys act where the focus is.
        QApplication::setActiveWindow(&widget);
        stage->setFocus();
    }
    ZenubKeyframe state(int shape) const
    {
        return document.shapeAt({0, 0, shape})->stateAtFrame(0);
    }
    // To whole stage pixels: a pointer lands on whole screen pixels.
    QRect box(int shape) const
    {
        const ZenubKeyframe s = state(shape);
        return QRectF(s.getX(), s.getY(), s.getWidth(), s.getHeight()).toRect();
    }
    // Presses at stage point \a from, moves in two steps and releases at \a to.
    void drag(const QPointF& from, const QPointF& to, Qt::KeyboardModifiers keys = Qt::NoModifier,
              Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint a = stage->fromStage(from).toPoint();
        const QPoint b = stage->fromStage(to).toPoint();
        QTest::mousePress(stage, button, keys, a);
        QMouseEvent half(QEvent::MouseMove, (a + b) / 2, Qt::NoButton, button, keys);
        QApplication::sendEvent(stage, &half);
        QMouseEvent end(QEvent::MouseMove, b, Qt::NoButton, button, keys);
        QApplication::sendEvent(stage, &end);
        QTest::mouseRelease(stage, button, keys, b);
    }
    DesignerDocument document;
    DesignerEditorWidget widget;
    StageWidget* stage = nullptr;
};

} // namespace

class tst_Stage : public QObject
{
    Q_OBJECT
private slots:
    void handleDragIsOneUndoStep_data()
    {
        QTest::addColumn<double>("rotation");
        QTest::addColumn<int>("handle");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QRectF>("box"); // expected x, y, width, height
        QTest::addColumn<double>("turned");
        QTest::newRow("corner") << 0.0 << int(StageHandles::BottomRight) << QPointF(220, 160)
                                << false << QRectF(100, 100, 120, 60) << 0.0;
        QTest::newRow("corner, Shift keeps 2:1")
            << 0.0 << int(StageHandles::BottomRight) << QPointF(220, 144) << true
            << QRectF(100, 100, 120, 60) << 0.0;
        QTest::newRow("side past its opposite flips")
            << 0.0 << int(StageHandles::Left) << QPointF(200, 120) << false
            << QRectF(180, 100, 20, 40) << 0.0;
        // Turned by 90 degrees the right side faces down: dragging it down widens the box
        // while the left side, above the centre, stays where it is.
        QTest::newRow("turned shape keeps the fixed side")
            << 90.0 << int(StageHandles::Right) << QPointF(140, 180) << false
            << QRectF(90, 110, 100, 40) << 90.0;
        QTest::newRow("rotate") << 0.0 << int(StageHandles::Rotate) << QPointF(204, 120) << false
                                << QRectF(100, 100, 80, 40) << 90.0;
        QTest::newRow("rotate, Shift in 15 degree steps")
            << 0.0 << int(StageHandles::Rotate) << QPointF(170, 92) << true
            << QRectF(100, 100, 80, 40) << 45.0;
    }
    void handleDragIsOneUndoStep()
    {
        QFETCH(double, rotation);
        QFETCH(int, handle);
        QFETCH(QPointF, to);
        QFETCH(bool, shift);
        QFETCH(QRectF, box);
        QFETCH(double, turned);
        Editor editor;
        editor.document.editShapeStates({{0, 0, 0}}, 0, "turn",
                                        [=](ZenubKeyframe& s) { s.setRotation(rotation); });
        const ZenubKeyframe before = editor.state(0);
        editor.stage->setSelection({0, 0, 0});
        const int steps = editor.document.getUndoStack()->count();
        const double zoom = editor.stage->getZoom();
        // Alt: no snapping, so the rows need not know what lies near.
        editor.drag(StageHandles::position(before, Handle(handle), zoom), to,
                    Qt::AltModifier | (shift ? Qt::ShiftModifier : Qt::NoModifier));
        QCOMPARE(editor.document.getUndoStack()->count(), steps + 1);
        QCOMPARE(editor.box(0), box.toRect());
        QVERIFY(qAbs(editor.state(0).getRotation() - turned) < (shift ? 0.001 : 1.5));
        editor.document.getUndoStack()->undo();
        QCOMPARE(editor.state(0), before);
    }

    void severalShapesScaleAsOneBox()
    {
        Editor editor;
        editor.stage->setSelectedShapes({{0, 0, 0}, {0, 0, 1}});
        const int steps = editor.document.getUndoStack()->count();
        // Their box runs from (100, 100) to (313, 262); its corner goes 25 % further out.
        editor.drag({313, 262}, {366.25, 302.5}, Qt::AltModifier);
        QCOMPARE(editor.document.getUndoStack()->count(), steps + 1);
        QCOMPARE(editor.box(0), QRect(100, 100, 100, 50));
        QVERIFY(qAbs(editor.state(1).getX() - 303.75) < 0.5);
        QVERIFY(qAbs(editor.state(1).getWidth() - 62.5) < 0.5);
    }

    void moveSnapsUnlessAltIsHeld()
    {
        {
            // With the grid shown the second box lies off its lines: a click must not pull it on.
            Editor editor;
            editor.stage->setGridVisible(true);
            const int steps = editor.document.getUndoStack()->count();
            editor.drag({288, 237}, {288.2, 237.2});
            QCOMPARE(editor.document.getUndoStack()->count(), steps);
        }
        for (const bool alt : {false, true}) {
            Editor editor;
            // 2 px short of putting the box's centre on the stage's centre (200, 150).
            editor.drag({140, 120}, {198, 148}, alt ? Qt::AltModifier : Qt::NoModifier);
            const ZenubKeyframe after = editor.state(0);
            QCOMPARE(qRound(after.getX() + 40), alt ? 198 : 200);
            QCOMPARE(qRound(after.getY() + 20), alt ? 148 : 150);
        }
    }

    void bandShiftClickAndLockedLayer()
    {
        Editor editor;
        const QVector<ShapeRef> both{{0, 0, 0}, {0, 0, 1}};
        editor.drag({90, 90}, {270, 220});
        QCOMPARE(editor.stage->getSelectedShapes(), both);
        QTest::mouseClick(editor.stage, Qt::LeftButton, Qt::ShiftModifier,
                          editor.stage->fromStage({120, 110}).toPoint());
        QCOMPARE(editor.stage->getSelectedShapes(), QVector<ShapeRef>{both.at(1)});
        editor.document.editProject("lock", [](ZenubProject& p) {
            p.scenes()[0].layers()[0].setLocked(true);
            return true;
        });
        editor.drag({10, 10}, {390, 290});
        QVERIFY(editor.stage->getSelectedShapes().isEmpty());
        editor.widget.getShapeCommands()->selectAll();
        QVERIFY(editor.stage->getSelectedShapes().isEmpty());
    }

    void arrangeRestacksAsOneUndoStep()
    {
        Editor editor;
        editor.stage->setSelection({0, 0, 0});
        editor.stage->setFocus();
        const ZenubShape bottom = *editor.document.shapeAt({0, 0, 0});
        // Its key is the command's, in the application.
        editor.widget.findChild<QAction*>("Bring_To_Front")->trigger();
        QCOMPARE(*editor.document.shapeAt({0, 0, 1}), bottom);
        QCOMPARE(editor.stage->getSelection(), ShapeRef({0, 0, 1}));
        editor.document.getUndoStack()->undo();
        QCOMPARE(*editor.document.shapeAt({0, 0, 0}), bottom);
        // Neighbours selected together move as one block, and nothing passes the ends.
        using O = ShapeArranger::Order;
        QCOMPARE(ShapeArranger::restacked(4, {1, 2}, O::BringForward), QVector<int>({0, 3, 1, 2}));
        QCOMPARE(ShapeArranger::restacked(4, {0, 2}, O::SendBackward), QVector<int>({0, 2, 1, 3}));
        QCOMPARE(ShapeArranger::restacked(4, {3, 1}, O::SendToBack), QVector<int>({1, 3, 0, 2}));
    }

    void drawnBoxFollowsShiftAndAlt_data()
    {
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<bool>("square");
        QTest::addColumn<bool>("fromCentre");
        QTest::addColumn<QRectF>("box");
        // Pressed at (100, 100) each time.
        QTest::newRow("up and to the left")
            << QPointF(60, 80) << false << false << QRectF(60, 80, 40, 20);
        QTest::newRow("square: the longer side wins, the direction stays")
            << QPointF(60, 110) << true << false << QRectF(60, 100, 40, 40);
        QTest::newRow("from the centre both ways")
            << QPointF(90, 130) << false << true << QRectF(90, 70, 20, 60);
        QTest::newRow("a circle from the centre")
            << QPointF(130, 90) << true << true << QRectF(70, 70, 60, 60);
    }
    void drawnBoxFollowsShiftAndAlt()
    {
        QFETCH(QPointF, to);
        QFETCH(bool, square);
        QFETCH(bool, fromCentre);
        QFETCH(QRectF, box);
        QCOMPARE(ShapeDrawTool::drawnBox(QPointF(100, 100), to, square, fromCentre), box);
    }

    void zoomAndPanKeepTheStageUnderThePointer()
    {
        Editor editor;
        StageWidget* stage = editor.stage;
        const QPointF anchor(300, 250);
        const QPointF under = stage->toStage(anchor);
        const double fitted = stage->getZoom();
        QWheelEvent wheel(anchor, stage->mapToGlobal(anchor.toPoint()), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(stage, &wheel);
        QVERIFY(stage->getZoom() > fitted && !stage->isFitToView());
        // The stage sits on whole pixels: the point under the pointer moves less than one.
        QVERIFY(QLineF(stage->fromStage(under), anchor).length() < 0.75);
        // Zooming in and out passes through 100 % exactly.
        stage->setZoom(0.9);
        editor.widget.findChild<QAction*>("zoomIn")->trigger();
        QCOMPARE(stage->getZoom(), 1.0);
        editor.widget.findChild<QAction*>("zoomOut")->trigger();
        QCOMPARE(stage->getZoom(), 0.8);
        // The middle button, or the left one with Space held, pans by what the pointer travels
        // (over a shape too) and records nothing.
        const int steps = editor.document.getUndoStack()->count();
        for (const Qt::MouseButton button : {Qt::MiddleButton, Qt::LeftButton}) {
            const QPointF before = stage->fromStage({0, 0});
            if (button == Qt::LeftButton)
                QTest::keyPress(stage, Qt::Key_Space);
            editor.drag({140, 120}, stage->toStage(stage->fromStage({140, 120}) + QPointF(-40, 30)),
                        Qt::NoModifier, button);
            QTest::keyRelease(stage, Qt::Key_Space);
            QVERIFY(QLineF(stage->fromStage({0, 0}), before + QPointF(-40, 30)).length() < 1);
        }
        QCOMPARE(editor.document.getUndoStack()->count(), steps);
        editor.widget.findChild<QAction*>("zoomFit")->trigger();
        QVERIFY(stage->isFitToView());
    }
};

QTEST_MAIN(tst_Stage)
#include "tst_stage.moc"
