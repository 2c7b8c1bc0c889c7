// SPDX-License-Identifier: MIT
#include <testenvironment.h>

#include "document/designerdocumentfactory.h"
#include "editor/editorcommandtable.h"
#include "model/io/zenub/zenubprojectfile.h"
#include "model/project/zenubproject.h"
#include "stage/stagetexteditor.h"
#include "stage/stagewidget.h"
#include "timeline/timelinewidget.h"

#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <extensionsystem/pluginmanager.h>
#include <mainwindow/imainmdiarea.h>
#include <mainwindow/mainwindow.h>

#include <QAction>
#include <QMdiSubWindow>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

using ExtensionSystem::PluginManager;

namespace {

QAction* command(const char* id)
{
    ContextAction* found = ActionManager::getAction(QLatin1String(id));
    return found ? found->getAction() : nullptr;
}

} // namespace

class tst_Drawing : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void drawRectangleByDraggingWithShift();
    void drawPathMoveNodeAndHandleUndo();
    void dragGradientPointsOnTheStage();
    void groupMoveUngroupConvert();
    void alignThreeShapes();
    void guidesFromTheRulersSnapShapes();
    void typeTwoLinesOfTextInPlace();
    void onionSkinMotionPathAndSpace();

private:
    // Presses at stage point \a from, moves in steps and releases at \a to.
    void drag(const QPointF& from, const QPointF& to, Qt::KeyboardModifiers keys = Qt::NoModifier);
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    const ZenubScene& scene() const;
    ZenubKeyframe state(int layer, int shape) const;
    // To whole stage pixels: a pointer lands on whole screen pixels.
    QRect box(int layer, int shape) const;
    QString undoText() const { return command("Edit.Undo")->text(); }

    std::unique_ptr<TestEnvironment> m_environment;
    DesignerDocumentFactory* m_pFactory = nullptr;
    QTemporaryDir m_folder;
    MainWindow* m_window = nullptr;
    StageWidget* m_stage = nullptr;
    int m_opened = 0;
};

void tst_Drawing::initTestCase()
{
    // The window and the designer's parts as the plugins set them up, in this process, so the
    // test reaches the editor's own objects.
    m_environment = std::make_unique<TestEnvironment>();
    m_pFactory = new DesignerDocumentFactory();
    PluginManager::addObject(m_pFactory);
    m_window = m_environment->createMainWindow();
    EditorCommandTable::addToMenus(m_window);
    m_window->resize(1200, 900);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    // Without a window manager nothing activates the window; the keys need an active one.
    QApplication::setActiveWindow(m_window);
    QTRY_COMPARE(QApplication::activeWindow(), m_window);
}

void tst_Drawing::cleanupTestCase()
{
    m_environment->deleteMainWindow();
    PluginManager::removeObject(m_pFactory);
    delete m_pFactory;
}

void tst_Drawing::init()
{
    // A fresh 400x300 project per case, with one empty layer.
    const QString name = QStringLiteral("Walk%1").arg(++m_opened);
    const QString path = m_folder.filePath(name + QLatin1String(".zenub"));
    QVERIFY(ZenubProjectFile(path).save(ZenubProject::createNew(name, 400, 300, 12)));
    QVERIFY(m_window->loadFile(path));
    m_stage = m_window->getMdiArea()->activeSubWindow()->findChild<StageWidget*>("stage");
    QVERIFY(m_stage);
    // At 100 % a pointer on a whole screen pixel lies on a whole stage pixel.
    m_stage->setZoom(1.0);
    m_stage->setFocus();
    QApplication::processEvents();
}

void tst_Drawing::cleanup()
{
    // Closed without saving: each case starts from its own file.
    for (QMdiSubWindow* window : m_window->getMdiArea()->subWindowList()) {
        if (auto* document = m_stage->getDocument())
            document->getUndoStack()->setClean();
        window->close();
    }
    QTRY_VERIFY(m_window->getMdiArea()->subWindowList().isEmpty());
}

void tst_Drawing::drag(const QPointF& from, const QPointF& to, Qt::KeyboardModifiers keys)
{
    const QPoint a = m_stage->fromStage(from).toPoint();
    const QPoint b = m_stage->fromStage(to).toPoint();
    QTest::mousePress(m_stage, Qt::LeftButton, keys, a);
    for (const double t : {0.3, 0.7, 1.0}) {
        QMouseEvent move(QEvent::MouseMove, a + (b - a) * t, Qt::NoButton, Qt::LeftButton, keys);
        QApplication::sendEvent(m_stage, &move);
    }
    QTest::mouseRelease(m_stage, Qt::LeftButton, keys, b);
}

void tst_Drawing::key(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    QApplication::processEvents();
}

const ZenubScene& tst_Drawing::scene() const
{
    return m_stage->getDocument()->getProject().getScenes().at(0);
}

ZenubKeyframe tst_Drawing::state(int layer, int shape) const
{
    return scene().getLayers().at(layer).getShapes().at(shape).stateAtFrame(0);
}

QRect tst_Drawing::box(int layer, int shape) const
{
    const ZenubKeyframe s = state(layer, shape);
    return QRectF(s.getX(), s.getY(), s.getWidth(), s.getHeight()).toRect();
}

void tst_Drawing::drawRectangleByDraggingWithShift()
{
    key(Qt::Key_R);
    QCOMPARE(m_stage->getTool(), StageTool::Kind::Rectangle);
    // Shift makes it square, the longer side winning; the stage's edges do not pull it.
    drag({50, 60}, {170, 130}, Qt::ShiftModifier);
    QCOMPARE(scene().getLayers().at(0).getShapes().size(), 1);
    QCOMPARE(box(0, 0), QRect(50, 60, 120, 120));
    QCOMPARE(undoText(), QStringLiteral("Undo Add Rectangle 1"));
    QCOMPARE(m_stage->getSelectedShapes().size(), 1);

    // Alt draws from the centre out; a click places the default size at the pointer.
    drag({300, 150}, {330, 170}, Qt::AltModifier);
    QCOMPARE(box(0, 1), QRect(270, 130, 60, 40));
    QTest::mouseClick(m_stage, Qt::LeftButton, {}, m_stage->fromStage({20, 200}).toPoint());
    QCOMPARE(box(0, 2), QRect(20, 200, 100, 75));

    // Undo takes one drawing back at a time; Escape puts the tool down.
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(scene().getLayers().at(0).getShapes().size(), 2);
    key(Qt::Key_Escape);
    QCOMPARE(m_stage->getTool(), StageTool::Kind::Select);
}

namespace {

// Where a point of a path's own coordinates lies on the stage (the path not turned).
QPointF onStage(const ZenubShape& shape, const QPointF& relative)
{
    const ZenubKeyframe box = shape.stateAtFrame(0);
    return QPointF(box.getX() + relative.x() * box.getWidth(),
                   box.getY() + relative.y() * box.getHeight());
}

bool near(const QPointF& a, const QPointF& b)
{
    return QLineF(a, b).length() < 0.5;
}

} // namespace

void tst_Drawing::drawPathMoveNodeAndHandleUndo()
{
    // Corners by clicks, a smooth node by a drag, closed by a click on the first node.
    key(Qt::Key_P);
    const auto click = [this](const QPointF& at) {
        QTest::mouseClick(m_stage, Qt::LeftButton, {}, m_stage->fromStage(at).toPoint());
    };
    click({50, 50});
    click({150, 50});
    drag({150, 150}, {190, 190});
    click({50, 150});
    click({50, 50});
    QCOMPARE(scene().getLayers().at(0).getShapes().size(), 1);
    const auto path = [this] {
        return scene().getLayers().at(0).getShapes().at(0);
    };
    QCOMPARE(path().getType(), ZenubShape::Type::Path);
    QCOMPARE(undoText(), QStringLiteral("Undo Add Path 1"));
    const auto node = [&path](int index) {
        return path().getPath().getSubpaths().at(0).nodes.at(index);
    };
    QVERIFY(path().getPath().getSubpaths().at(0).closed);
    QCOMPARE(path().getPath().getSubpaths().at(0).nodes.size(), 4);
    QVERIFY(!node(1).smooth && node(2).smooth);
    QVERIFY(near(onStage(path(), node(2).out), {190, 190}));
    QVERIFY(near(onStage(path(), node(2).in), {110, 110}));

    // The node tool edits the path just drawn: one node moved, then one handle of the smooth
    // one, whose other handle turns along and keeps its length.
    key(Qt::Key_A);
    drag({150, 50}, {170, 40});
    QVERIFY(near(onStage(path(), node(1).point), {170, 40}));
    QCOMPARE(undoText(), QStringLiteral("Undo Move Node"));
    click({150, 150});
    drag({190, 190}, {150, 200});
    QVERIFY(near(onStage(path(), node(2).out), {150, 200}));
    QVERIFY(near(onStage(path(), node(2).in), {150, 150 - std::hypot(40, 40)}));
    QVERIFY(near(onStage(path(), node(1).point), {170, 40}));
    QCOMPARE(undoText(), QStringLiteral("Undo Move Handle"));

    key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(near(onStage(path(), node(2).out), {190, 190}));
    key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(near(onStage(path(), node(1).point), {150, 50}));
}

void tst_Drawing::dragGradientPointsOnTheStage()
{
    key(Qt::Key_R);
    drag({100, 100}, {300, 200});
    const ZenubPaint across =
        ZenubPaint::linear({{0, Qt::red}, {1, Qt::blue}}, {0.25, 0.5}, {1, 0.5});
    m_stage->getDocument()->editProject(QStringLiteral("Fill"), [&](ZenubProject& project) {
        project.scenes()[0].layers()[0].shapes()[0].setFill(across);
        return true;
    });
    // The node tool shows the selected shape's gradient ends; dragging one moves it within the
    // box, also where it lies on a grip of the box.
    key(Qt::Key_A);
    drag({300, 150}, {250, 200});
    const auto fill = [this] {
        return scene().getLayers().at(0).getShapes().at(0).getFill();
    };
    QCOMPARE(fill().getEnd(), QPointF(0.75, 1));
    QCOMPARE(fill().getStart(), QPointF(0.25, 0.5));
    QCOMPARE(box(0, 0), QRect(100, 100, 200, 100));
    QCOMPARE(undoText(), QStringLiteral("Undo Move Gradient Point"));
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fill().getEnd(), QPointF(1, 0.5));
}

void tst_Drawing::groupMoveUngroupConvert()
{
    key(Qt::Key_R);
    drag({40, 40}, {100, 80});
    key(Qt::Key_E);
    drag({150, 100}, {190, 140});
    key(Qt::Key_V);
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_G, Qt::ControlModifier);
    const auto shapes = [this] {
        return scene().getLayers().at(0).getShapes();
    };
    QCOMPARE(shapes().size(), 1);
    QCOMPARE(shapes().at(0).getType(), ZenubShape::Type::Group);
    QCOMPARE(box(0, 0), QRect(40, 40, 150, 100));
    QCOMPARE(undoText(), QStringLiteral("Undo Group"));

    // Moved as one by a drag on a member; ungrouped, the members stay where they were drawn.
    drag({170, 120}, {190, 150});
    QCOMPARE(box(0, 0), QRect(60, 70, 150, 100));
    // Stretched to twice its width, so that its members' pixels are not the stage's.
    drag({210, 120}, {360, 120});
    QCOMPARE(box(0, 0), QRect(60, 70, 300, 100));
    // A double-click enters the group: a drag there moves the member under the pointer only;
    // Escape leaves with the group selected.
    QTest::mouseDClick(m_stage, Qt::LeftButton, {}, m_stage->fromStage({90, 90}).toPoint());
    QCOMPARE(m_stage->getSelection(), (ShapeRef{0, 0, 0, {0}}));
    // The layers panel shows the members below their group, the picked one selected.
    auto* tree = m_window->getMdiArea()->activeSubWindow()->findChild<QTreeWidget*>("layerTree");
    QTreeWidgetItem* group = tree->topLevelItem(0)->child(0);
    QCOMPARE(group->childCount(), 2);
    QVERIFY(group->child(1)->isSelected() && !group->child(0)->isSelected());
    // The group's box follows its members, in the same step.
    drag({90, 90}, {110, 90});
    QCOMPARE(box(0, 0), QRect(80, 70, 280, 100));
    QCOMPARE(undoText(), QStringLiteral("Undo Move Rectangle 1"));
    // Its grips size it as the stage shows it.
    drag({200, 90}, {220, 90});
    QCOMPARE(undoText(), QStringLiteral("Undo Resize Rectangle 1"));
    // A duplicate stays in the group.
    key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(shapes().at(0).getMembers().size(), 3);
    QCOMPARE(m_stage->getSelection(), (ShapeRef{0, 0, 0, {2}}));
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Escape);
    QCOMPARE(m_stage->getSelection(), (ShapeRef{0, 0, 0}));
    // Through the menu: a synthetic Ctrl+Shift+letter reaches the shortcuts as Ctrl+letter.
    command("Object.Ungroup")->trigger();
    QCOMPARE(shapes().size(), 2);
    QCOMPARE(box(0, 0), QRect(80, 70, 140, 40));
    QCOMPARE(box(0, 1), QRect(280, 130, 80, 40));
    QCOMPARE(m_stage->getSelectedShapes().size(), 2);

    // The ellipse alone becomes a path drawn in its place.
    QTest::mouseClick(m_stage, Qt::LeftButton, {}, m_stage->fromStage({320, 150}).toPoint());
    command("Object.Convert_To_Path")->trigger();
    QCOMPARE(shapes().at(1).getType(), ZenubShape::Type::Path);
    QCOMPARE(box(0, 1), QRect(280, 130, 80, 40));
    QCOMPARE(undoText(), QStringLiteral("Undo Convert to Path"));
    for (int step = 0; step < 6; ++step)
        key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(shapes().size(), 1);
    QCOMPARE(box(0, 0), QRect(40, 40, 150, 100));
}

void tst_Drawing::alignThreeShapes()
{
    const QRectF boxes[] = {{40, 30, 50, 40}, {150, 100, 30, 30}, {300, 200, 60, 20}};
    key(Qt::Key_E);
    for (const QRectF& box : boxes)
        drag(box.topLeft(), box.bottomRight());
    key(Qt::Key_V);
    key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(m_stage->getSelectedShapes().size(), 3);
    const int steps = m_stage->getDocument()->getUndoStack()->count();
    command("Object.Align_Left")->trigger();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(box(0, i).x(), 40);
    QCOMPARE(undoText(), QStringLiteral("Undo Align Left"));
    // Even gaps from the top one's top to the bottom one's bottom: 190 - 40 - 30 - 20 = 100
    // pixels, 50 each.
    command("Object.Distribute_Vertically")->trigger();
    QCOMPARE(box(0, 1).y(), 120);
    QCOMPARE(m_stage->getDocument()->getUndoStack()->count(), steps + 2);
}

void tst_Drawing::guidesFromTheRulersSnapShapes()
{
    // Pulled from the side ruler onto the stage at x = 200.
    QWidget* ruler = m_window->getMdiArea()->activeSubWindow()->findChild<QWidget*>("sideRuler");
    QVERIFY(ruler && ruler->isVisible());
    const auto pointerTo = [ruler](QEvent::Type type, const QPoint& global) {
        QMouseEvent event(type, ruler->mapFromGlobal(global), global, global,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(ruler, &event);
    };
    const QPoint onStage = m_stage->mapToGlobal(m_stage->fromStage({200, 150}).toPoint());
    pointerTo(QEvent::MouseButtonPress, ruler->mapToGlobal(ruler->rect().center()));
    pointerTo(QEvent::MouseMove, onStage - QPoint(50, 0));
    pointerTo(QEvent::MouseMove, onStage);
    pointerTo(QEvent::MouseButtonRelease, onStage);
    const auto guides = [this] {
        return m_stage->getDocument()->getProject().getGuides().positions(Qt::Vertical);
    };
    QCOMPARE(guides(), QVector<double>{200});
    QCOMPARE(undoText(), QStringLiteral("Undo Add Guide"));

    // A rectangle drawn from 2 pixels beside it starts on it.
    key(Qt::Key_R);
    drag({198, 50}, {260, 100});
    QCOMPARE(box(0, 0).left(), 200);

    // Taken on the stage it moves; dropped back on the ruler it goes. One step each.
    key(Qt::Key_Escape);
    drag({200, 250}, {251, 250});
    QCOMPARE(guides(), QVector<double>{251});
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(guides(), QVector<double>{200});
    const QPoint guide = m_stage->fromStage({200, 250}).toPoint();
    QTest::mousePress(m_stage, Qt::LeftButton, {}, guide);
    QMouseEvent away(QEvent::MouseMove, QPointF(-10, guide.y()), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(m_stage, &away);
    QTest::mouseRelease(m_stage, Qt::LeftButton, {}, QPoint(-10, guide.y()));
    QVERIFY(guides().isEmpty());
    QCOMPARE(undoText(), QStringLiteral("Undo Remove Guide"));
}

void tst_Drawing::typeTwoLinesOfTextInPlace()
{
    // The text tool places a text and its words are edited at once, all of them selected.
    key(Qt::Key_T);
    QTest::mouseClick(m_stage, Qt::LeftButton, {}, m_stage->fromStage({100, 100}).toPoint());
    StageTextEditor* editor = m_stage->textEditor();
    QVERIFY(editor->isVisible() && editor->hasFocus());
    QTest::keyClicks(editor, QStringLiteral("Hello world"));
    key(Qt::Key_Return);
    // Tool keys are words while typing.
    QTest::keyClicks(editor, QStringLiteral("vert"));
    // One word made bold: picked with the keys, Ctrl+B.
    key(Qt::Key_Home, Qt::ControlModifier);
    key(Qt::Key_Right, Qt::ControlModifier);
    key(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    key(Qt::Key_B, Qt::ControlModifier);
    key(Qt::Key_Escape);
    QVERIFY(!editor->isVisible());
    const ZenubShape& text = scene().getLayers().at(0).getShapes().at(0);
    QCOMPARE(text.getText(), QStringLiteral("Hello world\nvert"));
    const QVector<ZenubTextRun> runs = text.getTextContent().getRuns();
    QCOMPARE(runs.size(), 3);
    QVERIFY(!runs.at(0).bold && runs.at(1).bold && !runs.at(2).bold);
    QCOMPARE(runs.at(1).text, QStringLiteral("world"));
    QCOMPARE(undoText(), QStringLiteral("Undo Edit Text"));
    QCOMPARE(m_stage->getTool(), StageTool::Kind::Text);

    // A double-click with the selection tool edits it again; words removed, it goes.
    key(Qt::Key_Escape);
    const QPoint middle = m_stage
                              ->fromStage(QPointF(state(0, 0).getX() + state(0, 0).getWidth() / 2,
                                                  state(0, 0).getY() + 10))
                              .toPoint();
    QTest::mouseDClick(m_stage, Qt::LeftButton, {}, middle);
    QVERIFY(editor->isVisible());
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Delete);
    key(Qt::Key_Escape);
    QVERIFY(scene().getLayers().at(0).getShapes().isEmpty());
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(scene().getLayers().at(0).getShapes().at(0).getText(),
             QStringLiteral("Hello world\nvert"));

    // Grouped with a rectangle and the group stretched to twice its size, the words are typed
    // where the stage draws them, at that size.
    const QRectF words = QRectF(box(0, 0));
    key(Qt::Key_R);
    drag({20, 20}, {40, 40});
    key(Qt::Key_V);
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_G, Qt::ControlModifier);
    const QRect grouped = box(0, 0);
    drag(QPointF(grouped.right() + 1, grouped.center().y()),
         QPointF(grouped.right() + 1 + grouped.width(), grouped.center().y()));
    const double stretchedMiddle = grouped.left() + grouped.width();
    drag(QPointF(stretchedMiddle, grouped.bottom() + 1),
         QPointF(stretchedMiddle, grouped.bottom() + 1 + grouped.height()));
    QCOMPARE(box(0, 0).size(), grouped.size() * 2);
    const QPointF drawn = QPointF(box(0, 0).topLeft()) + (words.center() - grouped.topLeft()) * 2;
    const QPoint at = m_stage->fromStage(drawn).toPoint();
    QTest::mouseDClick(m_stage, Qt::LeftButton, {}, at);
    QCOMPARE(m_stage->getSelection(), (ShapeRef{0, 0, 0, {0}}));
    QTest::mouseDClick(m_stage, Qt::LeftButton, {}, at);
    QVERIFY(editor->isVisible());
    QVERIFY((editor->geometry().center() - at).manhattanLength() <= 3);
    QVERIFY(std::abs(editor->height() - 2 * words.height()) <= 3);
    key(Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("!"));
    key(Qt::Key_Escape);
    QCOMPARE(scene().getLayers().at(0).getShapes().at(0).getMembers().at(0).getText(),
             QStringLiteral("Hello world\nvert!"));
    QCOMPARE(undoText(), QStringLiteral("Undo Edit Text"));
}

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    tst_Drawing test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_drawing.moc"

void tst_Drawing::onionSkinMotionPathAndSpace()
{
    // A rectangle moved 100 px to the right over frames 0 to 4 with Auto-Key.
    key(Qt::Key_R);
    QTest::mouseClick(m_stage, Qt::LeftButton, {}, m_stage->fromStage({100, 100}).toPoint());
    key(Qt::Key_Escape);
    command("Timeline.Auto_Key")->trigger();
    for (int step = 0; step < 4; ++step)
        key(Qt::Key_Period);
    for (int step = 0; step < 10; ++step)
        key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Comma);
    key(Qt::Key_Comma);
    QCOMPARE(m_stage->getFrame(), 2);
    // Each edit replaces the project: the track is read anew each time.
    const auto position = [this] {
        return scene().getLayers().at(0).getShapes().at(0).tracks().position();
    };
    QCOMPARE(position().keys().size(), 2);
    QCOMPARE(position().valueAt(2), QPointF(150, 100));

    // Frame 2 covers x 150 to 250; only earlier frames reach x 130, only later ones x 270.
    const auto pixel = [this](const QPointF& at) {
        return QColor(m_stage->grab().toImage().pixel(m_stage->fromStage(at).toPoint()));
    };
    const QColor background = m_stage->getDocument()->getProject().getBackgroundColor();
    QCOMPARE(pixel({130, 140}), background);
    QCOMPARE(pixel({270, 140}), background);
    key(Qt::Key_O, Qt::AltModifier | Qt::ShiftModifier);
    QVERIFY(m_stage->onionSkin().isShown());
    const QColor before = pixel({130, 140});
    const QColor after = pixel({270, 140});
    QVERIFY2(before != background && before.red() > before.blue() + 10, qPrintable(before.name()));
    QVERIFY2(after != background && after.green() > after.red() + 30, qPrintable(after.name()));
    // Faint: far lighter than the shape itself.
    QVERIFY(before.lightness() > 170 && after.lightness() > 170);
    key(Qt::Key_O, Qt::AltModifier | Qt::ShiftModifier);
    QCOMPARE(pixel({130, 140}), background);

    // The key on frame 4 (its centre at 250, 137.5) dragged 50 px down moves that key only.
    command("View.Motion_Paths")->trigger();
    QVERIFY(m_stage->areMotionPathsVisible());
    drag({250, 137.5}, {250, 187.5});
    QCOMPARE(position().keys().size(), 2);
    QCOMPARE(position().keys().at(1).value, QPointF(200, 150));
    QCOMPARE(position().keys().at(0).value, QPointF(100, 100));
    QCOMPARE(undoText(), QStringLiteral("Undo Move Motion Key"));
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(position().keys().at(1).value, QPointF(200, 100));
    command("View.Motion_Paths")->trigger();

    // Space tapped on the stage plays and stops; held for a drag it only pans.
    auto* timeline = m_window->getMdiArea()->activeSubWindow()->findChild<TimelineWidget*>();
    key(Qt::Key_Space);
    QVERIFY(timeline->isPlaying());
    key(Qt::Key_Space);
    QVERIFY(!timeline->isPlaying());
    const QPointF origin = m_stage->fromStage({0, 0});
    QTest::keyPress(m_stage, Qt::Key_Space);
    drag({300, 250}, {340, 270});
    QTest::keyRelease(m_stage, Qt::Key_Space);
    QVERIFY(!timeline->isPlaying());
    QCOMPARE(m_stage->fromStage({0, 0}), origin + QPointF(40, 20));
}
