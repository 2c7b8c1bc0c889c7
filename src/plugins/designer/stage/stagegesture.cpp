// SPDX-License-Identifier: MIT
#include "stagegesture.h"

#include "model/edits/groupedits.h"
#include "model/render/shapegeometry.h"
#include "stage/stageoverlay.h"
#include "stage/stagepicker.h"
#include "stage/stagesnapper.h"
#include "stagewidget.h"

namespace {

QString shapeName(const DesignerDocument* document, const ShapeRef& ref)
{
    const ZenubShape* shape = document ? document->shapeAt(ref) : nullptr;
    return shape ? shape->getName() : QString();
}

} // namespace

StageGesture::StageGesture(StageWidget* stage)
    : StageTool(stage)
    , m_motionKey(stage)
{}

Qt::CursorShape StageGesture::cursorAt(const QPointF& point) const
{
    if (m_motionKey.isOverKey(point))
        return Qt::SizeAllCursor;
    ZenubKeyframe box;
    if (m_pStage->getDocument() && handleBox(m_pStage->getDocument()->getProject(), &box))
        return StageHandles::cursor(box, StageHandles::handleAt(box, point, m_pStage->getZoom()));
    return Qt::ArrowCursor;
}

void StageGesture::paintOverlay(StageOverlay& overlay, const ZenubProject& shown) const
{
    // Handles only where a drag of them can start: one shape, not while the selection moves.
    ZenubKeyframe box;
    if (m_drag.kind() != StageDrag::Kind::Move && handleBox(shown, &box))
        overlay.paintHandles(box);
    overlay.paintGuides(m_drag.guides());
    if (m_kind == Kind::Select)
        overlay.paintRubberBand(rubberBand());
}

bool StageGesture::handleBox(const ZenubProject& project, ZenubKeyframe* box) const
{
    const QVector<ShapeRef> selected = m_pStage->getSelectedShapes();
    if (selected.isEmpty())
        return false;
    // Locked shapes, picked elsewhere (in the layers), stay as they are.
    const int scene = m_pStage->getScene();
    const StagePicker picker(project, scene, m_pStage->getFrame());
    for (const ShapeRef& ref : selected)
        if (ref.scene != scene || !picker.isPickable(ref))
            return false;
    return StageDrag::handleBox(project, m_pStage->getFrame(), selected, box);
}

void StageGesture::press(const QPointF& point, Qt::KeyboardModifiers modifiers)
{
    m_pressStage = point;
    m_dragStage = point;
    const double zoom = m_pStage->getZoom();
    const ZenubProject& project = m_pStage->getDocument()->getProject();
    const int scene = m_pStage->getScene();
    const int frame = m_pStage->getFrame();
    const bool bShift = modifiers & Qt::ShiftModifier;
    if (m_motionKey.begin(point)) {
        m_kind = Kind::MotionKey;
        return;
    }
    // The grips come first, also with Shift held: Shift there keeps the aspect.
    ZenubKeyframe box;
    if (handleBox(project, &box)) {
        const StageHandles::Handle handle = StageHandles::handleAt(box, point, zoom);
        if (handle != StageHandles::None) {
            m_drag.beginHandle(project, frame, m_pStage->getSelectedShapes(), handle, point,
                               m_pStage->makeSnapper(m_pStage->getSelectedShapes()));
            m_kind = Kind::Drag;
            return;
        }
    }
    ShapeRef hit = m_pStage->shapeAtStagePoint(point);
    // A click beside the entered group's members leaves it.
    if (!hit.isValid() && m_pStage->groupScope().isEntered()) {
        m_pStage->leaveGroup();
        hit = m_pStage->shapeAtStagePoint(point);
    }
    const QVector<ShapeRef> selected = m_pStage->getSelectedShapes();
    if (!hit.isValid()) {
        m_selectedBefore = bShift ? selected : QVector<ShapeRef>();
        m_pStage->setSelectedShapes(m_selectedBefore);
        m_kind = Kind::Select;
        return;
    }
    if (bShift && selected.contains(hit)) {
        QVector<ShapeRef> rest = selected;
        rest.removeAll(hit);
        m_pStage->setSelectedShapes(rest);
        return;
    }
    // Pressing on a shape of a larger selection drags the whole selection.
    if (bShift)
        m_pStage->setSelectedShapes(selected + QVector<ShapeRef>{hit});
    else if (!selected.contains(hit))
        m_pStage->setSelection(hit);
    // Members snap to nothing: the stage's lines do not run along a turned or sized group.
    m_drag.beginMove(project, scene, frame, m_pStage->getSelectedShapes(), point,
                     hit.isMember() ? nullptr
                                    : m_pStage->makeSnapper(m_pStage->getSelectedShapes()));
    m_kind = Kind::Drag;
}

void StageGesture::dragTo(const QPointF& point, Qt::KeyboardModifiers modifiers)
{
    m_dragStage = point;
    if (m_kind == Kind::MotionKey) {
        m_motionKey.dragTo(point);
        return;
    }
    if (m_kind == Kind::Select) {
        QVector<ShapeRef> picked = m_selectedBefore;
        const StagePicker picker(m_pStage->getDocument()->getProject(), m_pStage->getScene(),
                                 m_pStage->getFrame(), m_pStage->groupScope().group());
        for (const ShapeRef& ref : picker.shapesIn(QRectF(m_pressStage, m_dragStage).normalized()))
            if (!picked.contains(ref))
                picked.append(ref);
        m_pStage->setSelectedShapes(picked);
        m_pStage->update();
        return;
    }
    m_drag.dragTo(m_dragStage, modifiers, m_pStage->getZoom());
    updatePreview();
}

void StageGesture::updatePreview()
{
    const DesignerDocument* document = m_pStage->getDocument();
    m_preview = document->getProject();
    const int frame = m_pStage->getFrame();
    for (const ShapeRef& ref : m_pStage->getSelectedShapes()) {
        ZenubShape* shape = ref.find(m_preview);
        if (!shape)
            continue;
        const QTransform toStage = ShapeGeometry::parentToStage(
            document->getProject().getScenes().at(ref.scene), ref, frame);
        // The same keyframe rule the document applies on release, so the picture does not jump.
        shape->editAt(frame, document->isAutoKey(),
                      [&](ZenubKeyframe& state) { state = applied(state, ref, toStage); });
    }
    m_bPreview = true;
    m_pStage->update();
    emit m_pStage->previewChanged();
}

ZenubKeyframe StageGesture::applied(const ZenubKeyframe& state, const ShapeRef& ref,
                                    const QTransform& toStage) const
{
    if (!ref.isMember())
        return m_drag.applied(state);
    // Dragged as the stage shows it, then back into the group's own coordinates.
    return GroupEdits::mapped(m_drag.applied(GroupEdits::mapped(state, toStage)),
                              toStage.inverted());
}

void StageGesture::finish()
{
    DesignerDocument* document = m_pStage->getDocument();
    if (m_kind == Kind::MotionKey)
        m_motionKey.finish();
    if (m_kind == Kind::Drag && document && m_drag.hasChanged()) {
        const QVector<ShapeRef> selected = m_pStage->getSelectedShapes();
        const int frame = m_pStage->getFrame();
        const QString name = shapeName(document, m_pStage->getSelection());
        // The selected members share their group.
        const ShapeRef first = selected.value(0);
        const QTransform toStage =
            first.isValid() ? ShapeGeometry::parentToStage(
                                  document->getProject().getScenes().at(first.scene), first, frame)
                            : QTransform();
        const auto change = [this, &first, &toStage](ZenubKeyframe& state) {
            state = applied(state, first, toStage);
        };
        switch (m_drag.kind()) {
        case StageDrag::Kind::Move: {
            const QPointF step = GroupScope::localStep(
                document->getProject(), m_pStage->getSelection(), frame, m_drag.offset());
            document->moveShapes(selected, frame, step.x(), step.y());
            break;
        }
        case StageDrag::Kind::Resize:
            document->editShapeStates(selected, frame,
                                      selected.size() == 1
                                          ? tr("Resize %1").arg(name)
                                          : tr("Resize %n Shapes", "", selected.size()),
                                      change);
            break;
        case StageDrag::Kind::Rotate:
            document->editShapeStates(selected, frame,
                                      selected.size() == 1
                                          ? tr("Rotate %1").arg(name)
                                          : tr("Rotate %n Shapes", "", selected.size()),
                                      change);
            break;
        case StageDrag::Kind::None:
            break;
        }
    }
    reset();
}

void StageGesture::cancel()
{
    if (m_kind == Kind::Select)
        m_pStage->setSelectedShapes(m_selectedBefore);
    reset();
}

void StageGesture::reset()
{
    m_kind = Kind::None;
    m_drag.end();
    m_motionKey.end();
    const bool bHadPreview = m_bPreview;
    m_bPreview = false;
    m_preview = ZenubProject();
    m_pStage->update();
    if (bHadPreview)
        emit m_pStage->previewChanged();
}
