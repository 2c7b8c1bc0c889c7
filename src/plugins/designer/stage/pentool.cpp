// SPDX-License-Identifier: MIT
#include "pentool.h"

#include "model/edits/nameedits.h"
#include "model/edits/newcontent.h"
#include "stageoverlay.h"
#include "stagewidget.h"

#include <QKeyEvent>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// Screen pixels: a press that moves less is a click; a click this near the first node closes.
const double kClickDistance = 3.0;
const double kCloseDistance = 6.0;

QPainterPath curveThrough(const QVector<ZenubPathNode>& nodes, bool closed)
{
    QPainterPath curve;
    if (nodes.isEmpty())
        return curve;
    curve.moveTo(nodes.constFirst().point);
    for (int i = 1; i < nodes.size(); ++i)
        curve.cubicTo(nodes.at(i - 1).out, nodes.at(i).in, nodes.at(i).point);
    if (closed && nodes.size() > 1)
        curve.cubicTo(nodes.constLast().out, nodes.constFirst().in, nodes.constFirst().point);
    return curve;
}

// \a point turned about \a centre onto the nearest multiple of 45 degrees.
QPointF inSteps(const QPointF& centre, const QPointF& point)
{
    const QLineF line(centre, point);
    QLineF stepped = line;
    stepped.setAngle(std::round(line.angle() / 45.0) * 45.0);
    return stepped.p2();
}

} // namespace

PenTool::PenTool(StageWidget* stage)
    : StageTool(stage)
{}

ZenubShape PenTool::pathShape(const QVector<ZenubPathNode>& nodes, bool closed)
{
    QRectF bounds = curveThrough(nodes, closed).boundingRect();
    // A straight line across or down still needs a box to scale.
    if (bounds.width() < 1)
        bounds.adjust(-(1 - bounds.width()) / 2, 0, (1 - bounds.width()) / 2, 0);
    if (bounds.height() < 1)
        bounds.adjust(0, -(1 - bounds.height()) / 2, 0, (1 - bounds.height()) / 2);
    const auto relative = [&bounds](const QPointF& point) {
        return QPointF((point.x() - bounds.left()) / bounds.width(),
                       (point.y() - bounds.top()) / bounds.height());
    };
    QVector<ZenubPathNode> inBox;
    for (const ZenubPathNode& node : nodes)
        inBox.append(ZenubPathNode(relative(node.point), relative(node.in), relative(node.out),
                                   node.smooth));
    ZenubShape shape(ZenubShape::Type::Path, QString());
    ZenubPath path;
    path.addSubpath(inBox, closed);
    shape.setPath(path);
    shape.setKeyframe(ZenubKeyframe(0, bounds.x(), bounds.y(), bounds.width(), bounds.height()));
    return shape;
}

bool PenTool::nearFirstNode(const QPointF& point) const
{
    return m_nodes.size() > 1 &&
           QLineF(point, m_nodes.constFirst().point).length() * m_pStage->getZoom() <=
               kCloseDistance;
}

void PenTool::press(const QPointF& point, Qt::KeyboardModifiers modifiers)
{
    Q_UNUSED(modifiers)
    if (!m_pStage->getDocument())
        return;
    m_bPressed = true;
    m_bDragged = false;
    m_press = point;
    m_bClosing = nearFirstNode(point);
    if (!m_bClosing)
        m_nodes.append(ZenubPathNode(point));
    m_pStage->update();
}

void PenTool::dragTo(const QPointF& point, Qt::KeyboardModifiers modifiers)
{
    if (!m_bPressed || m_nodes.isEmpty())
        return;
    m_hover = point;
    m_bDragged =
        m_bDragged || QLineF(point, m_press).length() * m_pStage->getZoom() >= kClickDistance;
    if (!m_bDragged)
        return;
    // Dragging pulls the node's handles out, one each way: a smooth node.
    ZenubPathNode& node = m_bClosing ? m_nodes.first() : m_nodes.last();
    const QPointF out = (modifiers & Qt::ShiftModifier) ? inSteps(node.point, point) : point;
    node.out = out;
    node.in = 2 * node.point - out;
    node.smooth = true;
    m_pStage->update();
}

void PenTool::finish()
{
    if (!m_bPressed)
        return;
    m_bPressed = false;
    if (m_bClosing)
        commit(true);
    m_pStage->update();
}

void PenTool::cancel()
{
    // Escape during a press takes back what the press began.
    if (m_bPressed && !m_bClosing && !m_nodes.isEmpty())
        m_nodes.removeLast();
    m_bPressed = false;
    m_pStage->update();
}

void PenTool::hover(const QPointF& point)
{
    m_hover = point;
    if (isDrawing())
        m_pStage->update();
}

bool PenTool::keyPress(QKeyEvent* event)
{
    if (!isDrawing())
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        commit(false);
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        m_nodes.removeLast();
        m_pStage->update();
        return true;
    default:
        return false;
    }
}

void PenTool::putDown()
{
    if (isDrawing())
        commit(false);
}

void PenTool::commit(bool closed)
{
    const QVector<ZenubPathNode> nodes = m_nodes;
    m_nodes.clear();
    m_bClosing = false;
    m_pStage->update();
    DesignerDocument* document = m_pStage->getDocument();
    const int scene = m_pStage->getScene();
    // A single node draws nothing.
    if (!document || nodes.size() < 2 || scene < 0 ||
        scene >= document->getProject().getScenes().size())
        return;
    ZenubShape shape = pathShape(nodes, closed);
    shape.setName(
        NameEdits::numbered(NameEdits::namesIn(document->getProject().getScenes().at(scene)),
                            NewContent::baseName(ZenubShape::Type::Path)));
    // Drawn lines show at once: an outline always, a fill once the path is closed.
    ZenubStroke stroke;
    stroke.setPaint(ZenubPaint(QColor(0x1e, 0x1e, 0x1e)));
    stroke.setWidth(2);
    stroke.setJoin(ZenubStroke::Join::Round);
    stroke.setCap(ZenubStroke::Cap::Round);
    shape.setStroke(stroke);
    ZenubPaint fill(QColor(0x3d, 0x9b, 0xe9));
    if (!closed)
        fill.setOpacity(0);
    shape.setFill(fill);
    const QVector<ShapeRef> refs = document->addShapes(
        scene, {qMakePair(m_pStage->insertionLayer(), shape)}, tr("Add %1").arg(shape.getName()));
    m_pStage->setSelectedShapes(refs);
}

void PenTool::paintOverlay(StageOverlay& overlay, const ZenubProject& shown) const
{
    Q_UNUSED(shown)
    if (m_nodes.isEmpty())
        return;
    QPainterPath drawn = curveThrough(m_nodes, false);
    // The next segment as it would run to the pointer.
    if (!m_bPressed) {
        const ZenubPathNode& last = m_nodes.constLast();
        drawn.cubicTo(last.out, m_hover, m_hover);
    }
    overlay.paintOutline(drawn);
    for (int i = 0; i < m_nodes.size(); ++i) {
        const ZenubPathNode& node = m_nodes.at(i);
        const bool bLast = i == m_nodes.size() - 1;
        if (bLast && node.smooth) {
            overlay.paintHandle(node.point, node.in, false);
            overlay.paintHandle(node.point, node.out, false);
        }
        // The first node grows when a click there would close the path.
        overlay.paintNode(node.point, i == 0 && nearFirstNode(m_hover));
    }
}
