// SPDX-License-Identifier: MIT
#include "stageinput.h"

#include "stage/stagepicker.h"
#include "stage/stagetexteditor.h"
#include "stage/stagewidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

StageInput::StageInput(StageWidget* stage)
    : m_pStage(stage)
{}

StageTool* StageInput::tool() const
{
    return m_pStage->m_tool == StageTool::Kind::Hand ? nullptr : m_pStage->currentTool();
}

bool StageInput::press(QMouseEvent* event)
{
    StageWidget* stage = m_pStage;
    if (isBusy())
        return true;
    if (event->button() == Qt::MiddleButton ||
        (event->button() == Qt::LeftButton && (m_bSpaceHeld || !tool()))) {
        m_bPanning = true;
        m_bSpacePanned = m_bSpaceHeld;
        m_panButton = event->button();
        m_lastWidget = event->localPos();
        stage->setCursor(Qt::ClosedHandCursor);
        return true;
    }
    if (event->button() == Qt::RightButton) {
        // The menu acts on what was clicked: a shape outside the selection becomes it.
        const ShapeRef hit = stage->shapeAtStagePoint(stage->toStage(event->localPos()));
        if (!stage->m_selected.contains(hit))
            stage->setSelection(hit);
        return false;
    }
    if (event->button() != Qt::LeftButton || !stage->m_pDocument)
        return false;
    Qt::Orientation along = Qt::Horizontal;
    int guide = -1;
    if (stage->m_bGuides && stage->m_tool == StageTool::Kind::Select &&
        GuideDrag::guideAt(stage->m_pDocument->getProject().getGuides(), stage->m_viewport,
                           event->localPos(), &along, &guide)) {
        stage->m_guideDrag.begin(along, guide);
        return true;
    }
    tool()->press(stage->toStage(event->localPos()), event->modifiers());
    return true;
}

void StageInput::move(QMouseEvent* event)
{
    StageWidget* stage = m_pStage;
    emit stage->pointerMoved(stage->toStage(event->localPos()));
    if (stage->m_guideDrag.isActive())
        stage->m_guideDrag.moveTo(event->localPos());
    else if (!isBusy()) {
        if (tool())
            tool()->hover(stage->toStage(event->localPos()));
        updateCursor(event->localPos());
    } else
        dragTo(event->localPos(), event->modifiers());
}

void StageInput::dragTo(const QPointF& widgetPoint, Qt::KeyboardModifiers modifiers)
{
    StageWidget* stage = m_pStage;
    if (m_bPanning) {
        stage->syncViewport();
        stage->m_viewport.panBy(widgetPoint - m_lastWidget);
        m_lastWidget = widgetPoint;
        stage->update();
        emit stage->viewChanged();
        return;
    }
    tool()->dragTo(stage->toStage(widgetPoint), modifiers);
}

void StageInput::release(QMouseEvent* event)
{
    const Qt::MouseButton button = m_bPanning ? m_panButton : Qt::LeftButton;
    if (!isBusy() || event->button() != button)
        return;
    if (m_pStage->m_guideDrag.isActive()) {
        m_pStage->m_guideDrag.finish(event->localPos());
        updateCursor(event->localPos());
        return;
    }
    dragTo(event->localPos(), event->modifiers());
    if (m_bPanning)
        m_bPanning = false;
    else
        tool()->finish();
    updateCursor(event->localPos());
}

bool StageInput::isBusy() const
{
    return m_bPanning || m_pStage->m_guideDrag.isActive() || (tool() && tool()->isActive());
}

void StageInput::updateCursor(const QPointF& widgetPoint)
{
    StageWidget* stage = m_pStage;
    if (m_bSpaceHeld || !tool()) {
        stage->setCursor(Qt::OpenHandCursor);
        return;
    }
    Qt::Orientation along = Qt::Horizontal;
    int guide = -1;
    if (stage->m_pDocument && stage->m_bGuides && stage->m_tool == StageTool::Kind::Select &&
        GuideDrag::guideAt(stage->m_pDocument->getProject().getGuides(), stage->m_viewport,
                           widgetPoint, &along, &guide)) {
        stage->setCursor(along == Qt::Horizontal ? Qt::SplitVCursor : Qt::SplitHCursor);
        return;
    }
    const Qt::CursorShape shape = tool()->cursorAt(stage->toStage(widgetPoint));
    if (shape == Qt::ArrowCursor)
        stage->unsetCursor();
    else
        stage->setCursor(shape);
}

void StageInput::doubleClick(QMouseEvent* event)
{
    StageWidget* stage = m_pStage;
    if (event->button() != Qt::LeftButton || !tool() || isBusy())
        return;
    const QPointF point = stage->toStage(event->localPos());
    if (tool()->doubleClick(point) || stage->m_tool != StageTool::Kind::Select)
        return;
    const ShapeRef ref = stage->shapeAtStagePoint(point);
    const ZenubShape* shape = stage->m_pDocument ? stage->m_pDocument->shapeAt(ref) : nullptr;
    if (shape && shape->getType() == ZenubShape::Type::Group) {
        // Into the group: its member under the pointer is picked, and the next clicks pick
        // among its members.
        stage->m_scope.enter(ref);
        stage->setSelection(
            StagePicker(stage->m_pDocument->getProject(), stage->m_scene, stage->m_frame, ref)
                .shapeAt(point));
        stage->update();
    } else if (shape && shape->getType() == ZenubShape::Type::Text)
        stage->editText(ref, event->localPos());
    else if (ref.isValid())
        emit stage->shapeActivated(ref);
}

bool StageInput::wheel(QWheelEvent* event)
{
    StageWidget* stage = m_pStage;
    if (event->modifiers() & Qt::ControlModifier) {
        stage->zoomAbout(
            StageViewport::steppedZoom(stage->getZoom(), event->angleDelta().y() / 120.0),
            event->position());
        event->accept();
        return true;
    }
    // A fitted stage has nothing to scroll to.
    if (stage->m_viewport.isFit())
        return false;
    QPointF delta = event->pixelDelta().isNull() ? QPointF(event->angleDelta()) / 3.0
                                                 : QPointF(event->pixelDelta());
    if (event->modifiers() & Qt::ShiftModifier)
        delta = QPointF(delta.y(), delta.x());
    stage->m_viewport.panBy(delta);
    stage->update();
    emit stage->viewChanged();
    event->accept();
    return true;
}

bool StageInput::keyPress(QKeyEvent* event)
{
    StageWidget* stage = m_pStage;
    if (event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat()) {
            m_bSpaceHeld = true;
            m_bSpacePanned = false;
            if (!isBusy())
                stage->setCursor(Qt::OpenHandCursor);
        }
        return true;
    }
    if (event->key() == Qt::Key_Escape && isBusy()) {
        // Escape drops the drag: nothing reaches the document.
        if (m_bPanning)
            m_bPanning = false;
        else if (stage->m_guideDrag.isActive())
            stage->m_guideDrag.cancel();
        else
            tool()->cancel();
        return true;
    }
    if (!isBusy() && tool() && tool()->keyPress(event))
        return true;
    if (event->key() == Qt::Key_Escape && stage->m_tool != StageTool::Kind::Select) {
        stage->setTool(StageTool::Kind::Select);
        return true;
    }
    if (event->key() == Qt::Key_Escape && stage->m_scope.isEntered() && !isBusy()) {
        // One level up: the group itself becomes the selection.
        stage->setSelection(stage->m_scope.group());
        return true;
    }
    DesignerDocument* document = stage->m_pDocument;
    if (!document || !stage->m_selection.isValid() || isBusy())
        return false;
    const double step = (event->modifiers() & Qt::ShiftModifier) ? 10.0 : 1.0;
    const auto nudge = [stage, document](double dx, double dy) {
        const QPointF local = GroupScope::localStep(document->getProject(), stage->m_selection,
                                                    stage->m_frame, {dx, dy});
        document->moveShapes(stage->m_selected, stage->m_frame, local.x(), local.y());
    };
    switch (event->key()) {
    case Qt::Key_Left:
        nudge(-step, 0);
        return true;
    case Qt::Key_Right:
        nudge(step, 0);
        return true;
    case Qt::Key_Up:
        nudge(0, -step);
        return true;
    case Qt::Key_Down:
        nudge(0, step);
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        document->removeShapes(stage->m_selected);
        return true;
    case Qt::Key_Escape:
        stage->setSelection(ShapeRef());
        return true;
    default:
        return false;
    }
}

bool StageInput::keyRelease(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat())
        return false;
    // A tap plays, as on the time line; held for a drag, Space only pans.
    if (m_bSpaceHeld && !m_bSpacePanned && !isBusy())
        emit m_pStage->playToggleRequested();
    m_bSpaceHeld = false;
    if (!isBusy())
        m_pStage->unsetCursor();
    return true;
}

void StageInput::focusOut()
{
    // The release of Space goes elsewhere once focus has left.
    m_bSpaceHeld = false;
}
