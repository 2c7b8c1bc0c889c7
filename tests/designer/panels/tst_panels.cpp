// SPDX-License-Identifier: MIT
#include <modalanswerer.h>
#include <testenvironment.h>

#include "editor/designereditorwidget.h"
#include "stage/stagewidget.h"

#include <QAction>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QStyleOptionSpinBox>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

#include <memory>

namespace {

// Bottom layer first; "~" marks a hidden layer, "#" a locked one; then the number of shapes.
QString layersOf(const DesignerDocument& document)
{
    QStringList names;
    for (const ZenubLayer& layer : document.getProject().getScenes().at(0).getLayers())
        names.append(layer.getName() + (layer.isVisible() ? "" : "~") +
                     (layer.isLocked() ? "#" : "") + ':' +
                     QString::number(layer.getShapes().size()));
    return names.join('|');
}

} // namespace

class tst_Panels : public QObject
{
    Q_OBJECT
private:
    TestEnvironment m_environment;
    DesignerDocument m_document;
    std::unique_ptr<DesignerEditorWidget> m_widget;

    template<typename T>
    T* find(const char* name) const
    {
        T* child = m_widget->findChild<T*>(QLatin1String(name));
        if (!child)
            qFatal("no %s", name);
        return child;
    }

private slots:
    void init()
    {
        QVERIFY(m_document.initNewDocument(400, 300, 24, false));
        QVERIFY(m_document.addShape(0, int(ZenubShape::Type::Rectangle)));
        m_document.editProject("setup", [](ZenubProject& project) {
            project.scenes()[0].addLayer(ZenubLayer("Layer 2"));
            return true;
        });
        m_widget.reset(new DesignerEditorWidget);
        m_widget->setDocument(&m_document);
        m_widget->resize(1200, 800);
        m_widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_widget.get()));
    }
    void cleanup() { m_widget.reset(); }

    void holdingSpinArrowEditsAllAtFrameInOneStep()
    {
        // One shape moves between frames 0 and 20; the other, on the top layer, stands still.
        QVERIFY(m_document.addShape(0, int(ZenubShape::Type::Ellipse)));
        const ShapeRef animated{0, 0, 0}, still{0, 1, 0};
        m_document.editShapes({animated}, "animate", [](ZenubShape& shape) {
            ZenubKeyframe end = shape.stateAtFrame(20);
            end.setX(end.getX() + 100);
            shape.setKeyframe(end);
        });
        const ZenubProject before = m_document.getProject();
        m_widget->setCurrentFrame(10);
        m_widget->getStage()->setSelectedShapes({still, animated});
        auto* spin = find<QDoubleSpinBox>("propertyX");
        const double start = m_document.shapeAt(animated)->stateAtFrame(10).getX();
        QCOMPARE(spin->value(), qRound(start * 10) / 10.0);
        const int steps = m_document.getUndoStack()->count();

        // Where the up arrow is now: the panel's rows change with what is selected.
        const auto up = [spin] {
            QStyleOptionSpinBox option;
            option.initFrom(spin);
            option.subControls = QStyle::SC_SpinBoxUp;
            return spin->style()
                ->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, spin)
                .center();
        };
        QTest::mousePress(spin, Qt::LeftButton, Qt::NoModifier, up());
        QTRY_VERIFY(spin->value() >= start + 3);
        QTest::mouseRelease(spin, Qt::LeftButton, Qt::NoModifier, up());

        QCOMPARE(m_document.getUndoStack()->count(), steps + 1);
        const ZenubShape& moving = *m_document.shapeAt(animated);
        QCOMPARE(moving.getKeyframes().size(), 3);
        QCOMPARE(moving.getKeyframes().at(1).getX(), spin->value());
        QCOMPARE(moving.getKeyframes().at(0),
                 before.getScenes()[0].getLayers()[0].getShapes()[0].getKeyframes().at(0));
        QCOMPARE(m_document.shapeAt(still)->getKeyframes().size(), 1);
        QCOMPARE(m_document.shapeAt(still)->stateAtFrame(0).getX(), spin->value());

        // The panel follows the frame, however the stage got there.
        m_widget->setCurrentFrame(20);
        QTRY_COMPARE(spin->value(), moving.getKeyframes().at(2).getX());

        // The next press is a gesture of its own.
        QTest::mouseClick(spin, Qt::LeftButton, Qt::NoModifier, up());
        QCOMPARE(m_document.getUndoStack()->count(), steps + 2);
        m_document.getUndoStack()->undo();
        m_document.getUndoStack()->undo();
        QCOMPARE(m_document.getProject(), before);
    }

    void mixedFieldIsEmptyAndAnEntrySetsAll_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed"); // empty: the value the box steps from
        QTest::newRow("x") << "propertyX"
                           << "50";
        QTest::newRow("x, the current shape's own") << "propertyX"
                                                    << "";
        QTest::newRow("font size to fit") << "propertyFontSize"
                                          << "0";
        QTest::newRow("text") << "propertyText"
                              << "Same";
    }
    void mixedFieldIsEmptyAndAnEntrySetsAll()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QVERIFY(m_document.addShape(0, int(ZenubShape::Type::Text), "One"));
        QVERIFY(m_document.addShape(0, int(ZenubShape::Type::Text), "Two"));
        const QVector<ShapeRef> texts{{0, 1, 0}, {0, 1, 1}};
        m_document.editShapes({texts[1]}, "differ", [](ZenubShape& shape) {
            ZenubKeyframe state = shape.stateAtFrame(0);
            state.setX(state.getX() + 30);
            shape.setKeyframe(state);
            shape.setFontSize(20);
        });
        m_widget->getStage()->setSelectedShapes(texts);
        const auto read = [&](const ZenubShape& shape) {
            return field == "propertyX"          ? QString::number(shape.stateAtFrame(0).getX())
                   : field == "propertyFontSize" ? QString::number(shape.getFontSize())
                                                 : shape.getText();
        };
        auto* widget = find<QWidget>(qPrintable(field));
        QCOMPARE(widget->property("text").toString(), QString());
        if (typed.isEmpty())
            typed = read(*m_document.shapeAt(m_widget->getStage()->getSelection()));
        const int steps = m_document.getUndoStack()->count();
        widget->setFocus();
        QTest::keyClicks(widget, typed);
        QTest::keyClick(widget, Qt::Key_Return);
        QCOMPARE(m_document.getUndoStack()->count(), steps + 1);
        for (const ShapeRef& ref : texts)
            QCOMPARE(read(*m_document.shapeAt(ref)), typed);
    }

    void pictureShowsNoTextOrFillFields()
    {
        const ShapeRef picture{0, 0, 0};
        m_document.editShapes({picture}, "picture",
                              [](ZenubShape& shape) { shape.setType(ZenubShape::Type::Image); });
        QVERIFY(m_document.addShape(0, int(ZenubShape::Type::Text), "Words"));
        for (const bool bWithText : {false, true}) {
            m_widget->getStage()->setSelectedShapes(
                bWithText ? QVector<ShapeRef>{picture, {0, 1, 0}} : QVector<ShapeRef>{picture});
            for (const char* name :
                 {"propertyText", "propertyFont", "propertyFontSize", "propertyFill"})
                QVERIFY2(find<QWidget>(name)->isVisible() == bWithText, name);
        }
    }

    void disabledCornerRadiusShowsNoOtherShapesValue()
    {
        const ShapeRef rectangle{0, 0, 0};
        m_document.editShapes({rectangle}, "round",
                              [](ZenubShape& shape) { shape.setCornerRadius(12); });
        QVERIFY(m_document.addShape(0, int(ZenubShape::Type::Ellipse)));
        auto* corner = find<QDoubleSpinBox>("propertyCornerRadius");
        m_widget->getStage()->setSelection(rectangle);
        QCOMPARE(corner->text(), QStringLiteral("12.0"));
        m_widget->getStage()->setSelection({0, 1, 0});
        QVERIFY(!corner->isEnabled());
        QCOMPARE(corner->text(), QString());
    }

    void positionFollowsADragAsItHappens()
    {
        StageWidget* stage = m_widget->getStage();
        const ShapeRef rectangle{0, 0, 0};
        stage->setSelection(rectangle);
        const ZenubKeyframe start = m_document.shapeAt(rectangle)->stateAtFrame(0);
        auto* x = find<QDoubleSpinBox>("propertyX");
        const QPointF middle(start.getX() + start.getWidth() / 2,
                             start.getY() + start.getHeight() / 2);
        const QPoint from = stage->fromStage(middle).toPoint();
        const QPoint to = stage->fromStage(middle + QPointF(37, 0)).toPoint();
        QTest::mousePress(stage, Qt::LeftButton, Qt::AltModifier, from);
        QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::AltModifier);
        QApplication::sendEvent(stage, &move);
        // Still held: the panel shows where the shape is now, the document where it was.
        QVERIFY(x->value() > start.getX() + 30);
        QCOMPARE(m_document.shapeAt(rectangle)->stateAtFrame(0).getX(), start.getX());
        QTest::keyClick(stage, Qt::Key_Escape);
        QCOMPARE(x->value(), qRound(start.getX() * 10) / 10.0);
        QTest::mouseRelease(stage, Qt::LeftButton, Qt::AltModifier, to);
    }

    void layerEditsAreOneUndoStepEach_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("layers");
        const char* const rows[][3] = {
            {"add above selected", "add", "Layer 1:1|Layer 2:0|Layer 3:0"},
            {"hide", "hide", "Layer 1~:1|Layer 2:0"},
            {"lock", "lock", "Layer 1:1|Layer 2#:0"},
            {"drag to bottom", "drag", "Layer 2:0|Layer 1:1"},
            {"rename", "rename", "Layer 1:1|Sky:0"},
            {"rename a shape", "shape name", "Layer 1:1|Layer 2:0"},
            {"blank name refused", "blank", "Layer 1:1|Layer 2:0"},
            {"new shape into highlighted", "shape", "Layer 1:2|Layer 2:0"},
            {"delete", "delete", "Layer 1:1"}};
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]);
    }
    void layerEditsAreOneUndoStepEach()
    {
        QFETCH(QString, edit);
        QFETCH(QString, layers);
        const QString before = layersOf(m_document);
        const int steps = m_document.getUndoStack()->count();
        auto* tree = find<QTreeWidget>("layerTree");
        QCOMPARE(tree->indexOfTopLevelItem(tree->currentItem()), 0);
        // Layer 2 on top, then Layer 1 and its rectangle.
        QTreeWidgetItem* rectangle = tree->topLevelItem(1)->child(0);
        QVERIFY(rectangle);
        if (edit == "add")
            find<QAction>("addLayer")->trigger();
        else if (edit == "hide")
            tree->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
        else if (edit == "lock")
            find<QAction>("lockLayer")->trigger();
        else if (edit == "shape") {
            tree->setCurrentItem(tree->topLevelItem(1));
            find<QAction>("toolRectangle")->trigger();
            auto* stage = find<StageWidget>("stage");
            QTest::mouseClick(stage, Qt::LeftButton, {}, stage->rect().center());
        } else if (edit == "drag") {
            // What a drop does: the row comes out and goes in again elsewhere.
            tree->addTopLevelItem(tree->takeTopLevelItem(0));
        } else if (edit == "rename" || edit == "blank" || edit == "shape name") {
            tree->editItem(edit == "shape name" ? rectangle : tree->topLevelItem(0));
            auto* editor = tree->findChild<QLineEdit*>();
            QVERIFY(editor);
            editor->setText(edit == "rename" ? "Sky" : edit == "blank" ? " " : "Ball");
            QTest::keyClick(editor, Qt::Key_Return);
            if (edit == "shape name") {
                QTRY_COMPARE(m_document.shapeAt({0, 0, 0})->getName(), QStringLiteral("Ball"));
                QCOMPARE(m_document.getUndoStack()->undoText(), QStringLiteral("Rename Shape"));
                return;
            }
        } else
            find<QAction>("deleteLayer")->trigger();

        QTRY_COMPARE(layersOf(m_document), layers);
        QCOMPARE(m_document.getUndoStack()->count(), steps + (layers != before));
        if (layers != before) {
            m_document.getUndoStack()->undo();
            QCOMPARE(layersOf(m_document), before);
        }
    }

    void deletingSceneAsksOnlyWhenItHoldsShapes_data()
    {
        QTest::addColumn<bool>("withShapes");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("scenesLeft");
        QTest::newRow("empty: no question") << false << -1 << 1;
        QTest::newRow("shapes, No keeps it") << true << int(QMessageBox::No) << 2;
        QTest::newRow("shapes, Yes deletes") << true << int(QMessageBox::Yes) << 1;
    }
    void deletingSceneAsksOnlyWhenItHoldsShapes()
    {
        QFETCH(bool, withShapes);
        QFETCH(int, answer);
        QFETCH(int, scenesLeft);
        find<QAction>(withShapes ? "duplicateScene" : "addScene")->trigger();
        QCOMPARE(find<QListWidget>("sceneList")->currentRow(), 1);
        QCOMPARE(m_widget->getCurrentScene(), 1);
        ModalAnswerer answerer;
        if (answer >= 0)
            answerer.answer(QMessageBox::StandardButton(answer));
        find<QAction>("deleteScene")->trigger();
        QCOMPARE(answerer.answered(), answer >= 0 ? 1 : 0);
        QCOMPARE(m_document.getProject().getScenes().size(), scenesLeft);
        QCOMPARE(m_widget->getCurrentScene(), scenesLeft - 1);
        // The last scene stays: there is always one to show.
        QVERIFY(!find<QAction>("deleteScene")->isEnabled() || scenesLeft == 2);
    }

    void deletingLayerAsksWhenItHoldsShapes_data()
    {
        // Layer 1 (bottom) holds the rectangle, Layer 2 (top, row 0) is empty.
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("lastLeft");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("layers");
        QTest::newRow("empty: no question") << 0 << false << -1 << "Layer 1:1";
        QTest::newRow("shapes, No keeps it")
            << 1 << false << int(QMessageBox::No) << "Layer 1:1|Layer 2:0";
        QTest::newRow("shapes, Yes deletes") << 1 << false << int(QMessageBox::Yes) << "Layer 2:0";
        QTest::newRow("last layer, No keeps it")
            << 0 << true << int(QMessageBox::No) << "Layer 1:1";
    }
    void deletingLayerAsksWhenItHoldsShapes()
    {
        QFETCH(int, row);
        QFETCH(bool, lastLeft);
        QFETCH(int, answer);
        QFETCH(QString, layers);
        auto* tree = find<QTreeWidget>("layerTree");
        if (lastLeft)
            find<QAction>("deleteLayer")->trigger();
        tree->setCurrentItem(tree->topLevelItem(row));
        ModalAnswerer answerer;
        if (answer >= 0)
            answerer.answer(QMessageBox::StandardButton(answer));
        find<QAction>("deleteLayer")->trigger();
        QCOMPARE(answerer.answered(), answer >= 0 ? 1 : 0);
        QCOMPARE(layersOf(m_document), layers);
    }

    void panelLayoutIsRemembered_data()
    {
        QTest::addColumn<QString>("dock");
        QTest::newRow("a side panel") << "layersDock";
        QTest::newRow("the time line") << "timelineDock";
    }
    void panelLayoutIsRemembered()
    {
        QFETCH(QString, dock);
        QDockWidget* panel = find<QDockWidget>(qPrintable(dock));
        QVERIFY(panel->isVisible());
        panel->toggleViewAction()->trigger();
        m_widget.reset();
        init();
        QVERIFY(!find<QDockWidget>(qPrintable(dock))->isVisible());
        QVERIFY(find<QDockWidget>("propertiesDock")->isVisible());
        find<QDockWidget>(qPrintable(dock))->toggleViewAction()->trigger();
    }
};

QTEST_MAIN(tst_Panels)
#include "tst_panels.moc"
