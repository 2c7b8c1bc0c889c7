// SPDX-License-Identifier: MIT
#include "shapedrawtool.h"

#include "model/edits/newcontent.h"
#include "model/render/textlayout.h"
#include "stageoverlay.h"
#include "stagesnapper.h"
#include "stagewidget.h"

#include <algorithm>
#include <cmath>

namespace {

// How near, in screen pixels, a corner must come to a target to snap to it.
const double kSnapDistance = 6.0;
// A press that moves less than this, in screen pixels, is a click.
const double kClickDistance = 3.0;

} // namespace

ShapeDrawTool::ShapeDrawTool(StageWidget* stage, ZenubShape::Type type)
    : StageTool(stage)
    , m_type(type)
{}

QRectF ShapeDrawTool::drawnBox(const QPointF& press, const QPointF& point, bool square,
                               bool fromCentre)
{
    double dx = point.x() - press.x();
    double dy = point.y() - press.y();
    if (square) {
        const double side = std::max(std::abs(dx), std::abs(dy));
        dx = dx < 0 ? -side : side;
        dy = dy < 0 ? -side : side;
    }
    if (fromCentre)
        return QRectF(press.x() - std::abs(dx), press.y() - std::abs(dy), 2 * std::abs(dx),
                      2 * std::abs(dy));
    return QRectF(press, QSizeF(dx, dy)).normalized();
}

QRectF ShapeDrawTool::clickedBox(const QPointF& point, const QSizeF& size, bool fromCentre)
{
    if (fromCentre)
        return QRectF(point - QPointF(size.width() / 2, size.height() / 2), size);
    return QRectF(point, size);
}

QPointF ShapeDrawTool::snapped(const QPointF& point)
{
    const std::unique_ptr<StageSnapper> snapper = m_pStage->makeSnapper({});
    QVector<QLineF> guides;
    const QPointF result =
        snapper->snapPoint(point, true, true, kSnapDistance / m_pStage->getZoom(), &guides);
    m_guides = guides;
    return result;
}

void ShapeDrawTool::press(const QPointF& point, Qt::KeyboardModifiers modifiers)
{
    if (!m_pStage->getDocument())
        return;
    m_bActive = true;
    m_bDragged = false;
    m_modifiers = modifiers;
    m_press = snapped(point);
    m_point = m_press;
}

void ShapeDrawTool::dragTo(const QPointF& point, Qt::KeyboardModifiers modifiers)
{
    if (!m_bActive)
        return;
    m_modifiers = modifiers;
    m_bDragged =
        m_bDragged || QLineF(point, m_press).length() * m_pStage->getZoom() >= kClickDistance;
    if (!m_bDragged)
        return;
    const QVector<QLineF> pressGuides = m_guides;
    m_point = snapped(point);
    m_guides += pressGuides;
    ZenubShape shape;
    const DesignerDocument* document = m_pStage->getDocument();
    m_preview = document->getProject();
    const int scene = m_pStage->getScene();
    if (makeShape(currentBox(), &shape) && scene >= 0 && scene < m_preview.getScenes().size()) {
        ZenubScene& target = m_preview.scenes()[scene];
        NewContent::ensureLayer(target);
        target.layers()[NewContent::layerFor(target, m_pStage->insertionLayer())].addShape(shape);
    }
    m_pStage->update();
}

QRectF ShapeDrawTool::currentBox() const
{
    const bool bCentre = m_modifiers & Qt::AltModifier;
    if (!m_bDragged) {
        ZenubShape defaults;
        const DesignerDocument* document = m_pStage->getDocument();
        const int scene = m_pStage->getScene();
        if (!document || scene < 0 || scene >= document->getProject().getScenes().size())
            return QRectF();
        defaults = NewContent::shape(document->getProject(), scene, m_type, QString());
        // The keyframes come as a copy: keep the one read, not a reference into it.
        const ZenubKeyframe box = defaults.getKeyframes().constFirst();
        return clickedBox(m_press, QSizeF(box.getWidth(), box.getHeight()), bCentre);
    }
    return drawnBox(m_press, m_point, m_modifiers & Qt::ShiftModifier, bCentre);
}

bool ShapeDrawTool::makeShape(const QRectF& box, ZenubShape* shape) const
{
    const DesignerDocument* document = m_pStage->getDocument();
    const int scene = m_pStage->getScene();
    if (!document || scene < 0 || scene >= document->getProject().getScenes().size())
        return false;
    // The polygon tool draws stars too, of the kind chosen last.
    const ZenubShape::Type type =
        m_type == ZenubShape::Type::Polygon ? m_pStage->getPolygonType() : m_type;
    *shape = NewContent::shape(document->getProject(), scene, type, QString());
    QRectF placed = box;
    if (m_type == ZenubShape::Type::Text) {
        // Typed words at a size of their own: a dragged box wraps them, a click lets the box
        // grow with them from where it was clicked.
        shape->setFontSize(
            std::round(std::max(12.0, document->getProject().getStageHeight() / 15.0)));
        ZenubText& text = shape->textContent();
        text.setAlignment(ZenubText::Alignment::Left);
        text.setBoxMode(m_bDragged ? ZenubText::BoxMode::Wrap : ZenubText::BoxMode::Grow);
        if (!m_bDragged)
            placed.setSize(TextLayout::naturalSize(text, box.size()));
    }
    // A drawn line of no width still needs a box one can pick and resize.
    shape->setKeyframe(ZenubKeyframe(0, placed.x(), placed.y(), std::max(1.0, placed.width()),
                                     std::max(1.0, placed.height())));
    return true;
}

void ShapeDrawTool::finish()
{
    DesignerDocument* document = m_pStage->getDocument();
    const bool bActive = m_bActive;
    const QRectF box = currentBox();
    cancel();
    ZenubShape shape;
    if (!bActive || !document || !makeShape(box, &shape))
        return;
    const QVector<ShapeRef> refs =
        document->addShapes(m_pStage->getScene(), {qMakePair(m_pStage->insertionLayer(), shape)},
                            tr("Add %1").arg(shape.getName()));
    m_pStage->setSelectedShapes(refs);
    if (m_type == ZenubShape::Type::Text && !refs.isEmpty())
        m_pStage->editText(refs.constFirst(), QPointF());
}

void ShapeDrawTool::cancel()
{
    m_bActive = false;
    m_bDragged = false;
    m_preview = ZenubProject();
    m_guides.clear();
    m_pStage->update();
}

void ShapeDrawTool::paintOverlay(StageOverlay& overlay, const ZenubProject& shown) const
{
    Q_UNUSED(shown)
    if (m_bActive)
        overlay.paintGuides(m_guides);
}
