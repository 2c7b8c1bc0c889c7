#include "stagewidget.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTransform>

namespace {

QRectF shapeRect(const ZenubKeyframe& state)
{
    return QRectF(state.getX(), state.getY(), state.getWidth(), state.getHeight());
}

// Shapes turn about their centre; hit tests undo the turn on the point instead.
QTransform shapeTransform(const ZenubKeyframe& state)
{
    const QPointF centre = shapeRect(state).center();
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.rotate(state.getRotation());
    transform.translate(-centre.x(), -centre.y());
    return transform;
}

} // namespace

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
    if (!m_pDocument || m_scene < 0 || m_scene >= m_pDocument->getProject().getScenes().size())
        return ShapeRef();
    const ZenubScene& scene = m_pDocument->getProject().getScenes().at(m_scene);
    // Last drawn is on top, so search backwards.
    for (int l = scene.getLayers().size() - 1; l >= 0; --l) {
        const ZenubLayer& layer = scene.getLayers().at(l);
        if (!layer.isVisible())
            continue;
        for (int s = layer.getShapes().size() - 1; s >= 0; --s) {
            ZenubKeyframe state;
            if (!layer.getShapes().at(s).stateAt(m_frame, &state))
                continue;
            const QPointF local = shapeTransform(state).inverted().map(point);
            if (shapeRect(state).contains(local))
                return ShapeRef{m_scene, l, s};
        }
    }
    return ShapeRef();
}

void StageWidget::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window).darker(125));
    if (!m_pDocument)
        return;
    const ZenubProject& project = m_pDocument->getProject();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(origin());
    painter.scale(scale(), scale());
    const QRectF stage(0, 0, project.getStageWidth(), project.getStageHeight());
    painter.fillRect(stage, project.getBackgroundColor());
    painter.setClipRect(stage);
    if (m_scene < 0 || m_scene >= project.getScenes().size())
        return;
    const ZenubScene& scene = project.getScenes().at(m_scene);
    for (int l = 0; l < scene.getLayers().size(); ++l) {
        const ZenubLayer& layer = scene.getLayers().at(l);
        if (!layer.isVisible())
            continue;
        for (int s = 0; s < layer.getShapes().size(); ++s) {
            const ZenubShape& shape = layer.getShapes().at(s);
            ZenubKeyframe state;
            if (!shape.stateAt(m_frame, &state))
                continue;
            const bool bSelected = m_selected.contains(ShapeRef{m_scene, l, s});
            if (bSelected && m_bDragging) {
                state.setX(state.getX() + m_dragOffset.x());
                state.setY(state.getY() + m_dragOffset.y());
            }
            painter.save();
            painter.setTransform(shapeTransform(state), true);
            painter.setOpacity(state.getOpacity());
            const QRectF box = shapeRect(state);
            painter.setPen(Qt::NoPen);
            painter.setBrush(shape.getFillColor());
            switch (shape.getType()) {
            case ZenubShape::Type::Rectangle:
                painter.drawRect(box);
                break;
            case ZenubShape::Type::Ellipse:
                painter.drawEllipse(box);
                break;
            case ZenubShape::Type::Text: {
                // Sized to the box's height, shrunk when the words would run past its sides.
                QFont font = painter.font();
                int pixels = std::max(1, int(box.height() * 0.7));
                font.setPixelSize(pixels);
                const double textWidth = QFontMetricsF(font).horizontalAdvance(shape.getText());
                if (textWidth > box.width() && textWidth > 0) {
                    pixels = std::max(1, int(pixels * box.width() / textWidth));
                    font.setPixelSize(pixels);
                }
                painter.setFont(font);
                painter.setPen(shape.getFillColor());
                painter.drawText(box, Qt::AlignCenter | Qt::TextDontClip, shape.getText());
                break;
            }
            }
            if (bSelected) {
                painter.setOpacity(1.0);
                QPen pen(QColor(0xff, 0x8c, 0x00));
                pen.setCosmetic(true);
                pen.setWidth(2);
                pen.setStyle(Qt::DashLine);
                painter.setPen(pen);
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(box);
            }
            painter.restore();
        }
    }
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
