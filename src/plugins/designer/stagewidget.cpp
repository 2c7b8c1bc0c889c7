#include "stagewidget.h"

#include "render/framerenderer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

StageWidget::StageWidget(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setAutoFillBackground(false);
}

void StageWidget::setDocument(DesignerDocument* document)
{
    if (m_pDocument)
        disconnect(m_pDocument, nullptr, this, nullptr);
    m_pDocument = document;
    if (document)
        connect(document, &IDocument::dataChanged, this, [this] {
            // An undo may take away selected shapes.
            QVector<ShapeRef> kept;
            for (const ShapeRef& ref : qAsConst(m_selected))
                if (m_pDocument && m_pDocument->shapeAt(ref))
                    kept.append(ref);
            setSelectedShapes(kept);
            update();
            emit documentChanged();
        });
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

double StageWidget::scale() const
{
    if (!m_pDocument)
        return 1.0;
    const ZenubProject& project = m_pDocument->getProject();
    const double margin = 24.0;
    const double sx = (width() - 2 * margin) / std::max(1, project.getStageWidth());
    const double sy = (height() - 2 * margin) / std::max(1, project.getStageHeight());
    return std::max(0.01, std::min(sx, sy));
}

QPointF StageWidget::origin() const
{
    if (!m_pDocument)
        return QPointF();
    const ZenubProject& project = m_pDocument->getProject();
    const double s = scale();
    return QPointF((width() - project.getStageWidth() * s) / 2,
                   (height() - project.getStageHeight() * s) / 2);
}

QPointF StageWidget::toStage(const QPointF& widgetPoint) const
{
    return (widgetPoint - origin()) / scale();
}

QPointF StageWidget::fromStage(const QPointF& stagePoint) const
{
    return stagePoint * scale() + origin();
}

ShapeRef StageWidget::shapeAtStagePoint(const QPointF& point) const
{
    if (!m_pDocument)
        return ShapeRef();
    int layer = -1;
    int shape = -1;
    if (!FrameRenderer(m_pDocument->getProject()).shapeAt(m_scene, m_frame, point, &layer, &shape))
        return ShapeRef();
    return ShapeRef{m_scene, layer, shape};
}

void StageWidget::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window).darker(125));
    if (!m_pDocument)
        return;
    FrameRenderer renderer(m_pDocument->getProject());
    QVector<FrameRenderer::ShapeIndex> selected;
    for (const ShapeRef& ref : qAsConst(m_selected)) {
        if (ref.scene == m_scene)
            selected.append({ref.layer, ref.shape});
    }
    renderer.setSelection(selected, m_bDragging ? m_dragOffset : QPointF());
    painter.translate(origin());
    painter.scale(scale(), scale());
    renderer.paint(&painter, m_scene, m_frame);
}

void StageWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPointF point = toStage(event->localPos());
    const ShapeRef hit = shapeAtStagePoint(point);
    // Pressing on a shape of a larger selection drags the whole selection.
    if (!hit.isValid() || !m_selected.contains(hit))
        setSelection(hit);
    m_bDragging = m_selection.isValid();
    m_dragStart = point;
    m_dragOffset = QPointF();
}

void StageWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_bDragging)
        return;
    m_dragOffset = toStage(event->localPos()) - m_dragStart;
    update();
}

void StageWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_bDragging || event->button() != Qt::LeftButton)
        return;
    m_bDragging = false;
    const QPointF offset = toStage(event->localPos()) - m_dragStart;
    m_dragOffset = QPointF();
    // A click without motion must not leave an empty undo step.
    if (m_pDocument && (qAbs(offset.x()) >= 0.5 || qAbs(offset.y()) >= 0.5))
        m_pDocument->moveShapes(m_selected, m_frame, offset.x(), offset.y());
    update();
}

void StageWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    const ShapeRef ref = shapeAtStagePoint(toStage(event->localPos()));
    if (ref.isValid())
        emit shapeActivated(ref);
}

void StageWidget::keyPressEvent(QKeyEvent* event)
{
    if (!m_pDocument || !m_selection.isValid()) {
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
    default:
        QWidget::keyPressEvent(event);
    }
}
