#include "stagewidget.h"

#include "render/framerenderer.h"
#include "stage/stageoverlay.h"
#include "stage/stagepicker.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

QString shapeName(const DesignerDocument* document, const ShapeRef& ref)
{
    const ZenubShape* shape = document ? document->shapeAt(ref) : nullptr;
    return shape ? shape->getName() : QString();
}

} // namespace

StageWidget::StageWidget(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    // Hovering shows which handle a press would take.
    setMouseTracking(true);
    setAutoFillBackground(false);
}

void StageWidget::setDocument(DesignerDocument* document)
{
    if (m_pDocument)
        disconnect(m_pDocument, nullptr, this, nullptr);
    m_pDocument = document;
    cancelGesture();
    if (document)
        connect(document, &IDocument::dataChanged, this, [this] {
            // An undo may take away selected shapes.
            QVector<ShapeRef> kept;
            for (const ShapeRef& ref : qAsConst(m_selected))
                if (m_pDocument && m_pDocument->shapeAt(ref))
                    kept.append(ref);
            setSelectedShapes(kept);
            syncViewport();
            update();
            emit documentChanged();
        });
    syncViewport();
    update();
    emit documentChanged();
}

void StageWidget::setScene(int scene)
{
    if (scene == m_scene)
        return;
    m_scene = scene;
    setSelection(ShapeRef());
    update();
}

void StageWidget::setFrame(int frame)
{
    m_frame = std::max(0, frame);
    update();
}

void StageWidget::setSelection(const ShapeRef& ref)
{
    setSelectedShapes(ref.isValid() ? QVector<ShapeRef>{ref} : QVector<ShapeRef>());
}

void StageWidget::setSelectedShapes(const QVector<ShapeRef>& refs)
{
    if (refs == m_selected)
        return;
    m_selected = refs;
    m_selection = refs.isEmpty() ? ShapeRef() : refs.constLast();
    update();
    emit selectionChanged();
}

QSize StageWidget::sizeHint() const
{
    return QSize(800, 500);
}

QSize StageWidget::minimumSizeHint() const
{
    return QSize(200, 150);
}

void StageWidget::syncViewport()
{
    m_viewport.setWidgetSize(size());
    if (m_pDocument)
        m_viewport.setStageSize(QSizeF(m_pDocument->getProject().getStageWidth(),
                                       m_pDocument->getProject().getStageHeight()));
}

QPointF StageWidget::toStage(const QPointF& widgetPoint) const
{
    return m_viewport.toStage(widgetPoint);
}

QPointF StageWidget::fromStage(const QPointF& stagePoint) const
{
    return m_viewport.fromStage(stagePoint);
}

double StageWidget::getZoom() const
{
    return m_viewport.scale();
}

void StageWidget::zoomAbout(double zoom, const QPointF& anchor)
{
    syncViewport();
    m_viewport.zoomTo(zoom, anchor);
    update();
    emit viewChanged();
}

void StageWidget::zoomIn()
{
    zoomAbout(StageViewport::steppedZoom(getZoom(), 1), rect().center());
}

void StageWidget::zoomOut()
{
    zoomAbout(StageViewport::steppedZoom(getZoom(), -1), rect().center());
}

void StageWidget::zoomToFit()
{
    m_viewport.fit();
    update();
    emit viewChanged();
}

void StageWidget::zoomToActualSize()
{
    setZoom(1.0);
}

void StageWidget::setZoom(double zoom)
{
    // A fitted stage sits in the middle, so zooming about the middle keeps it there.
    syncViewport();
    m_viewport.fit();
    m_viewport.zoomTo(zoom, QPointF(width() / 2.0, height() / 2.0));
    update();
    emit viewChanged();
}

void StageWidget::setGridVisible(bool bVisible)
{
    if (m_bGrid == bVisible)
        return;
    m_bGrid = bVisible;
    update();
    emit viewChanged();
}

ShapeRef StageWidget::shapeAtStagePoint(const QPointF& point) const
{
    if (!m_pDocument)
        return ShapeRef();
    return StagePicker(m_pDocument->getProject(), m_scene, m_frame).shapeAt(point);
}

bool StageWidget::handleBox(const ZenubProject& project, ZenubKeyframe* box) const
{
    if (m_selected.isEmpty())
        return false;
    // Locked shapes, picked elsewhere (in the layers), stay as they are.
    const StagePicker picker(project, m_scene, m_frame);
    for (const ShapeRef& ref : qAsConst(m_selected))
        if (ref.scene != m_scene || !picker.isPickable(ref))
            return false;
    return StageDrag::handleBox(project, m_frame, m_selected, box);
}

void StageWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    syncViewport();
    if (m_viewport.isFit())
        emit viewChanged();
}

void StageWidget::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window).darker(125));
    if (!m_pDocument)
        return;
    syncViewport();
    const ZenubProject& project = m_bPreview ? m_preview : m_pDocument->getProject();
    FrameRenderer renderer(project);
    QVector<FrameRenderer::ShapeIndex> selected;
    for (const ShapeRef& ref : qAsConst(m_selected)) {
        if (ref.scene == m_scene)
            selected.append({ref.layer, ref.shape});
    }
    renderer.setSelection(selected);
    painter.save();
    painter.translate(m_viewport.origin());
    painter.scale(getZoom(), getZoom());
    renderer.paint(&painter, m_scene, m_frame);
    painter.restore();

    StageOverlay overlay(&painter, m_viewport);
    if (m_bGrid)
        overlay.paintGrid(QSizeF(project.getStageWidth(), project.getStageHeight()));
    overlay.paintAnimatedMarks(project, m_scene, m_frame);
    // Handles only where a drag of them can start: one shape, not while the selection moves.
    ZenubKeyframe box;
    if (m_drag.kind() != StageDrag::Kind::Move && handleBox(project, &box))
        overlay.paintHandles(box);
    overlay.paintGuides(m_drag.guides());
    if (m_gesture == Gesture::Select)
        overlay.paintRubberBand(QRectF(m_pressStage, m_dragStage));
}

void StageWidget::mousePressEvent(QMouseEvent* event)
{
    if (m_gesture != Gesture::None)
        return;
    if (event->button() == Qt::MiddleButton ||
        (event->button() == Qt::LeftButton && m_bSpaceHeld)) {
        m_gesture = Gesture::Pan;
        m_gestureButton = event->button();
        m_lastWidget = event->localPos();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (event->button() == Qt::RightButton) {
        // The menu acts on what was clicked: a shape outside the selection becomes it.
        const ShapeRef hit = shapeAtStagePoint(toStage(event->localPos()));
        if (!m_selected.contains(hit))
            setSelection(hit);
        QWidget::mousePressEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton || !m_pDocument) {
        QWidget::mousePressEvent(event);
        return;
    }
    startGesture(event);
}

void StageWidget::startGesture(QMouseEvent* event)
{
    const QPointF point = toStage(event->localPos());
    m_pressStage = point;
    m_dragStage = point;
    m_gestureButton = Qt::LeftButton;
    const double grid = m_bGrid ? StageOverlay::gridSpacing(getZoom()) : 0;
    const ZenubProject& project = m_pDocument->getProject();
    const bool bShift = event->modifiers() & Qt::ShiftModifier;
    // The grips come first, also with Shift held: Shift there keeps the aspect.
    ZenubKeyframe box;
    if (handleBox(project, &box)) {
        const StageHandles::Handle handle = StageHandles::handleAt(box, point, getZoom());
        if (handle != StageHandles::None) {
            m_drag.beginHandle(project, m_scene, m_frame, m_selected, handle, point, grid);
            m_gesture = Gesture::Drag;
            return;
        }
    }
    const ShapeRef hit = shapeAtStagePoint(point);
    if (!hit.isValid()) {
        m_selectedBefore = bShift ? m_selected : QVector<ShapeRef>();
        setSelectedShapes(m_selectedBefore);
        m_gesture = Gesture::Select;
        return;
    }
    if (bShift && m_selected.contains(hit)) {
        QVector<ShapeRef> rest = m_selected;
        rest.removeAll(hit);
        setSelectedShapes(rest);
        return;
    }
    // Pressing on a shape of a larger selection drags the whole selection.
    if (bShift)
        setSelectedShapes(m_selected + QVector<ShapeRef>{hit});
    else if (!m_selected.contains(hit))
        setSelection(hit);
    m_drag.beginMove(project, m_scene, m_frame, m_selected, point, grid);
    m_gesture = Gesture::Drag;
}

void StageWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (m_gesture == Gesture::None)
        updateCursor(event->localPos());
    else
        dragTo(event->localPos(), event->modifiers());
}

void StageWidget::dragTo(const QPointF& widgetPoint, Qt::KeyboardModifiers modifiers)
{
    if (m_gesture == Gesture::Pan) {
        syncViewport();
        m_viewport.panBy(widgetPoint - m_lastWidget);
        m_lastWidget = widgetPoint;
        update();
        emit viewChanged();
        return;
    }
    m_dragStage = toStage(widgetPoint);
    if (m_gesture == Gesture::Select) {
        QVector<ShapeRef> picked = m_selectedBefore;
        const StagePicker picker(m_pDocument->getProject(), m_scene, m_frame);
        for (const ShapeRef& ref : picker.shapesIn(QRectF(m_pressStage, m_dragStage).normalized()))
            if (!picked.contains(ref))
                picked.append(ref);
        setSelectedShapes(picked);
        update();
        return;
    }
    m_drag.dragTo(m_dragStage, modifiers, getZoom());
    updatePreview();
}

void StageWidget::updatePreview()
{
    m_preview = m_pDocument->getProject();
    for (const ShapeRef& ref : qAsConst(m_selected)) {
        if (!m_pDocument->shapeAt(ref))
            continue;
        ZenubShape& shape = m_preview.scenes()[ref.scene].layers()[ref.layer].shapes()[ref.shape];
        // The same keyframe rule the document applies on release, so the picture does not jump.
        shape.editAt(m_frame, m_pDocument->isAutoKey(),
                     [this](ZenubKeyframe& state) { state = m_drag.applied(state); });
    }
    m_bPreview = true;
    update();
}

void StageWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_gesture == Gesture::None || event->button() != m_gestureButton)
        return;
    dragTo(event->localPos(), event->modifiers());
    finishGesture();
    updateCursor(event->localPos());
}

void StageWidget::cancelGesture()
{
    m_gesture = Gesture::None;
    m_drag.end();
    m_bPreview = false;
    m_preview = ZenubProject();
    update();
}

void StageWidget::finishGesture()
{
    if (m_gesture == Gesture::Drag && m_pDocument && m_drag.hasChanged()) {
        const StageDrag& drag = m_drag;
        const QString name = shapeName(m_pDocument, m_selection);
        const auto change = [&drag](ZenubKeyframe& state) {
            state = drag.applied(state);
        };
        switch (m_drag.kind()) {
        case StageDrag::Kind::Move:
            m_pDocument->moveShapes(m_selected, m_frame, m_drag.offset().x(), m_drag.offset().y());
            break;
        case StageDrag::Kind::Resize:
            m_pDocument->editShapeStates(m_selected, m_frame,
                                         m_selected.size() == 1
                                             ? tr("Resize %1").arg(name)
                                             : tr("Resize %n Shapes", "", m_selected.size()),
                                         change);
            break;
        case StageDrag::Kind::Rotate:
            m_pDocument->editShapeStates(m_selected, m_frame,
                                         m_selected.size() == 1
                                             ? tr("Rotate %1").arg(name)
                                             : tr("Rotate %n Shapes", "", m_selected.size()),
                                         change);
            break;
        case StageDrag::Kind::None:
            break;
        }
    }
    cancelGesture();
}

void StageWidget::updateCursor(const QPointF& widgetPoint)
{
    if (m_bSpaceHeld) {
        setCursor(Qt::OpenHandCursor);
        return;
    }
    ZenubKeyframe box;
    if (m_pDocument && handleBox(m_pDocument->getProject(), &box)) {
        setCursor(StageHandles::cursor(
            box, StageHandles::handleAt(box, toStage(widgetPoint), getZoom())));
        return;
    }
    unsetCursor();
}

void StageWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    const ShapeRef ref = shapeAtStagePoint(toStage(event->localPos()));
    if (ref.isValid())
        emit shapeActivated(ref);
}

void StageWidget::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        zoomAbout(StageViewport::steppedZoom(getZoom(), event->angleDelta().y() / 120.0),
                  event->position());
        event->accept();
        return;
    }
    // A fitted stage has nothing to scroll to.
    if (m_viewport.isFit()) {
        QWidget::wheelEvent(event);
        return;
    }
    QPointF delta = event->pixelDelta().isNull() ? QPointF(event->angleDelta()) / 3.0
                                                 : QPointF(event->pixelDelta());
    if (event->modifiers() & Qt::ShiftModifier)
        delta = QPointF(delta.y(), delta.x());
    m_viewport.panBy(delta);
    update();
    emit viewChanged();
    event->accept();
}

void StageWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat()) {
            m_bSpaceHeld = true;
            if (m_gesture == Gesture::None)
                setCursor(Qt::OpenHandCursor);
        }
        return;
    }
    if (event->key() == Qt::Key_Escape && m_gesture != Gesture::None) {
        // Escape drops the drag: nothing reaches the document.
        if (m_gesture == Gesture::Select)
            setSelectedShapes(m_selectedBefore);
        cancelGesture();
        return;
    }
    if (!m_pDocument || !m_selection.isValid() || m_gesture != Gesture::None) {
        QWidget::keyPressEvent(event);
        return;
    }
    const double step = (event->modifiers() & Qt::ShiftModifier) ? 10.0 : 1.0;
    switch (event->key()) {
    case Qt::Key_Left:
        m_pDocument->moveShapes(m_selected, m_frame, -step, 0);
        break;
    case Qt::Key_Right:
        m_pDocument->moveShapes(m_selected, m_frame, step, 0);
        break;
    case Qt::Key_Up:
        m_pDocument->moveShapes(m_selected, m_frame, 0, -step);
        break;
    case Qt::Key_Down:
        m_pDocument->moveShapes(m_selected, m_frame, 0, step);
        break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        m_pDocument->removeShapes(m_selected);
        break;
    case Qt::Key_Escape:
        setSelection(ShapeRef());
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void StageWidget::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_bSpaceHeld = false;
        if (m_gesture == Gesture::None)
            unsetCursor();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void StageWidget::focusOutEvent(QFocusEvent* event)
{
    // The release of Space goes elsewhere once focus has left.
    m_bSpaceHeld = false;
    QWidget::focusOutEvent(event);
}
