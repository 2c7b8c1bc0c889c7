// SPDX-License-Identifier: MIT
#include "shapecommands.h"

#include "model/edits/groupedits.h"
#include "model/edits/nameedits.h"
#include "model/io/clipboard/shapeclipboard.h"
#include "model/io/zenub/zenubprojectfile.h"
#include "model/render/shapegeometry.h"
#include "stage/stagewidget.h"

#include <documents/documentmanager.h>
#include <plugin/iui.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPointF>

#include <algorithm>

ShapeCommands::ShapeCommands(StageWidget* stage, QObject* parent)
    : QObject(parent)
    , m_pStage(stage)
{
    connect(stage, &StageWidget::selectionChanged, this, &ShapeCommands::stateChanged);
    connect(stage, &StageWidget::documentChanged, this, &ShapeCommands::stateChanged);
    // Asking another program's clipboard can take long, so it is asked once per change.
    const auto readClipboard = [this] {
        m_bClipboardHasShapes = ShapeClipboard::canPaste(QApplication::clipboard()->mimeData());
        emit stateChanged();
    };
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, readClipboard);
    m_bClipboardHasShapes = ShapeClipboard::canPaste(QApplication::clipboard()->mimeData());

    const struct
    {
        QString text;
        void (ShapeCommands::*slot)();
    } commands[] = {
        {tr("Cu&t"), &ShapeCommands::cut},
        {tr("&Copy"), &ShapeCommands::copy},
        {tr("&Paste"), &ShapeCommands::paste},
        {tr("D&uplicate"), &ShapeCommands::duplicate},
        {tr("&Delete"), &ShapeCommands::deleteSelection},
        {tr("Select &All"), &ShapeCommands::selectAll},
    };
    for (const auto& command : commands) {
        auto* action = new QAction(command.text, this);
        connect(action, &QAction::triggered, this, command.slot);
        m_actions.append(action);
    }
    connect(this, &ShapeCommands::stateChanged, this, &ShapeCommands::updateActions);
    updateActions();
}

void ShapeCommands::updateActions()
{
    const bool bSelected = hasSelection();
    cutAction()->setEnabled(bSelected);
    copyAction()->setEnabled(bSelected);
    pasteAction()->setEnabled(canPaste());
    duplicateAction()->setEnabled(bSelected);
    deleteAction()->setEnabled(bSelected);
    selectAllAction()->setEnabled(canSelectAll());
}

DesignerDocument* ShapeCommands::document() const
{
    return m_pStage->getDocument();
}

namespace {

// The shapes as the stage shows them at \a frame: members of groups leave their group's
// coordinates for the stage's, as ungrouping does.
QVector<ZenubShape> shapesOf(const DesignerDocument* document, const QVector<ShapeRef>& refs,
                             int frame)
{
    QVector<ZenubShape> shapes;
    for (const ShapeRef& ref : refs) {
        const ZenubShape* shape = document->shapeAt(ref);
        if (!shape)
            continue;
        shapes.append(*shape);
        if (!ref.isMember())
            continue;
        const QTransform toStage = ShapeGeometry::parentToStage(
            document->getProject().getScenes().at(ref.scene), ref, frame);
        for (const ZenubKeyframe& keyframe : shape->getKeyframes())
            shapes.last().setKeyframe(GroupEdits::mapped(keyframe, toStage));
    }
    return shapes;
}

ZenubShape movedBy(ZenubShape shape, double dx, double dy)
{
    shape.tracks().translate(QPointF(dx, dy));
    return shape;
}

// Where the first keyframe puts a shape: pasted copies are told apart from originals by it.
QPointF placeOf(const ZenubShape& shape)
{
    return shape.tracks().position().value();
}

double pasteStep(const ZenubProject& project)
{
    return std::max(8.0, std::min(project.getStageWidth(), project.getStageHeight()) / 40.0);
}

} // namespace

bool ShapeCommands::hasSelection() const
{
    return document() && !m_pStage->getSelectedShapes().isEmpty();
}

bool ShapeCommands::canPaste() const
{
    return document() && m_pStage->getScene() >= 0 &&
           m_pStage->getScene() < document()->getProject().getScenes().size() &&
           m_bClipboardHasShapes;
}

int ShapeCommands::insertionLayer(const ZenubScene& scene)
{
    const QVector<ZenubLayer>& layers = scene.getLayers();
    for (int l = layers.size() - 1; l >= 0; --l)
        if (layers.at(l).isVisible() && !layers.at(l).isLocked())
            return l;
    return -1;
}

bool ShapeCommands::canSelectAll() const
{
    if (!document() || m_pStage->getScene() < 0 ||
        m_pStage->getScene() >= document()->getProject().getScenes().size())
        return false;
    for (const ZenubLayer& layer :
         document()->getProject().getScenes().at(m_pStage->getScene()).getLayers())
        if (layer.isVisible() && !layer.isLocked() && !layer.getShapes().isEmpty())
            return true;
    return false;
}

void ShapeCommands::copy()
{
    if (!hasSelection())
        return;
    QApplication::clipboard()->setMimeData(ShapeClipboard::toMimeData(
        shapesOf(document(), m_pStage->getSelectedShapes(), m_pStage->getFrame()),
        m_pStage->getFrame()));
}

void ShapeCommands::cut()
{
    if (!hasSelection())
        return;
    copy();
    document()->removeShapes(m_pStage->getSelectedShapes(), tr("Cut"));
}

void ShapeCommands::paste()
{
    if (!canPaste())
        return;
    QString error;
    const ZenubProject& project = document()->getProject();
    const QVector<ZenubShape> shapes =
        ShapeClipboard::fromMimeData(QApplication::clipboard()->mimeData(),
                                     QSizeF(project.getStageWidth(), project.getStageHeight()),
                                     DocumentManager::isPasteSvgAsFreeform(), &error);
    if (shapes.isEmpty() || !ZenubProjectFile::hasRoomFor(project, shapes, &error)) {
        IUi::getInstance()->showWarning(m_pStage, QStringLiteral("Zenub Animate"), error,
                                        QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    // Pasted where it came from unless that spot is taken, so that a copy never hides its
    // original and repeated pastes fan out.
    QVector<QPointF> taken;
    for (const ZenubLayer& layer :
         document()->getProject().getScenes().at(m_pStage->getScene()).getLayers())
        for (const ZenubShape& shape : layer.getShapes())
            taken.append(placeOf(shape));
    const double step = pasteStep(document()->getProject());
    double offset = 0;
    for (int tries = 0;
         tries < 100 && taken.contains(placeOf(shapes.constFirst()) + QPointF(offset, offset));
         ++tries)
        offset += step;
    const int layer = insertionLayer(document()->getProject().getScenes().at(m_pStage->getScene()));
    QVector<QPair<int, ZenubShape>> placed;
    for (const ZenubShape& shape : shapes)
        placed.append(qMakePair(layer, movedBy(shape, offset, offset)));
    m_pStage->setSelectedShapes(document()->addShapes(m_pStage->getScene(), placed, tr("Paste")));
    m_pStage->setFocus();
}

void ShapeCommands::duplicate()
{
    if (!hasSelection())
        return;
    const double step = pasteStep(document()->getProject());
    if (m_pStage->groupScope().isEntered()) {
        duplicateMembers(step);
        return;
    }
    QVector<QPair<int, ZenubShape>> copies;
    for (const ShapeRef& ref : m_pStage->getSelectedShapes())
        if (const ZenubShape* shape = document()->shapeAt(ref))
            copies.append(qMakePair(ref.layer, movedBy(*shape, step, step)));
    m_pStage->setSelectedShapes(
        document()->addShapes(m_pStage->getScene(), copies, tr("Duplicate")));
}

void ShapeCommands::duplicateMembers(double step)
{
    // The copies stay in the group, on top of its other members.
    const ShapeRef group = m_pStage->groupScope().group();
    const QVector<ShapeRef> refs = m_pStage->getSelectedShapes();
    const QPointF offset = GroupScope::localStep(document()->getProject(), group.member(0),
                                                 m_pStage->getFrame(), {step, step});
    QVector<ShapeRef> made;
    const bool bDone = document()->editProject(tr("Duplicate"), [&](ZenubProject& project) {
        ZenubShape* parent = group.find(project);
        if (!parent)
            return false;
        QVector<ZenubShape> copies;
        for (const ShapeRef& ref : refs)
            if (const ZenubShape* shape = ref.find(project); shape && ref.parent() == group)
                copies.append(movedBy(*shape, offset.x(), offset.y()));
        NameEdits::makeUnique(project.getScenes().at(group.scene), copies, true);
        QVector<ZenubShape> members = parent->getMembers();
        made.clear();
        for (const ZenubShape& copy : qAsConst(copies)) {
            made.append(group.member(members.size()));
            members.append(copy);
        }
        parent->setMembers(members);
        GroupEdits::fitGroupsOf(project, made);
        return !copies.isEmpty();
    });
    if (bDone)
        m_pStage->setSelectedShapes(made);
}

void ShapeCommands::deleteSelection()
{
    // With the node tool, Delete takes the picked nodes, not the whole path.
    if (m_pStage->deleteSelectedNodes())
        return;
    if (hasSelection())
        document()->removeShapes(m_pStage->getSelectedShapes());
}

void ShapeCommands::selectAll()
{
    if (!canSelectAll())
        return;
    const int scene = m_pStage->getScene();
    const ZenubScene& current = document()->getProject().getScenes().at(scene);
    QVector<ShapeRef> all;
    // Inside a group, its members.
    const ShapeRef group = m_pStage->groupScope().group();
    if (const ZenubShape* entered = group.isValid() ? document()->shapeAt(group) : nullptr) {
        for (int m = 0; m < entered->getMembers().size(); ++m)
            all.append(group.member(m));
        m_pStage->setSelectedShapes(all);
        return;
    }
    for (int l = 0; l < current.getLayers().size(); ++l) {
        const ZenubLayer& layer = current.getLayers().at(l);
        // A locked layer's shapes cannot be picked, so they are not picked in bulk either.
        if (!layer.isVisible() || layer.isLocked())
            continue;
        for (int s = 0; s < layer.getShapes().size(); ++s)
            all.append(ShapeRef{scene, l, s});
    }
    m_pStage->setSelectedShapes(all);
}
