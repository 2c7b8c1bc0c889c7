// SPDX-License-Identifier: MIT
#include "framerenderer.h"

#include "hittest.h"
#include "model/project/zenubproject.h"
#include "shapegeometry.h"
#include "shapepainter.h"
#include "textlayout.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>

FrameRenderer::FrameRenderer(const ZenubProject& project)
    : m_project(project)
{}

void FrameRenderer::setSelection(const QVector<ShapeIndex>& shapes, const QPointF& offset)
{
    m_selected = shapes;
    m_selectionOffset = offset;
}

QFont FrameRenderer::textFont(const ZenubShape& shape, const QRectF& box)
{
    return TextLayout::of(shape.getTextContent(), box.size())->baseFont();
}

QRectF FrameRenderer::shapeRect(const ZenubKeyframe& state)
{
    return QRectF(state.getX(), state.getY(), state.getWidth(), state.getHeight());
}

QTransform FrameRenderer::shapeTransform(const ZenubKeyframe& state)
{
    const QPointF centre = shapeRect(state).center();
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.rotate(state.getRotation());
    transform.translate(-centre.x(), -centre.y());
    return transform;
}

void FrameRenderer::paintSelectionOutline(QPainter* painter, const QRectF& box)
{
    painter->save();
    painter->setOpacity(1.0);
    painter->setBrush(Qt::NoBrush);
    // Dark under light: on a light fill the dark edge shows, on a dark fill the orange does.
    QPen under(QColor(0x10, 0x10, 0x10));
    under.setCosmetic(true);
    under.setWidth(4);
    painter->setPen(under);
    painter->drawRect(box);
    QPen over(QColor(0xff, 0x8c, 0x00));
    over.setCosmetic(true);
    over.setWidth(2);
    over.setStyle(Qt::DashLine);
    painter->setPen(over);
    painter->drawRect(box);
    painter->restore();
}

void FrameRenderer::paint(QPainter* painter, int scene, double frame) const
{
    paintBackground(painter);
    paintShapes(painter, scene, frame);
}

void FrameRenderer::paintBackground(QPainter* painter) const
{
    painter->fillRect(QRectF(0, 0, m_project.getStageWidth(), m_project.getStageHeight()),
                      m_project.getBackgroundColor());
}

void FrameRenderer::paintShapes(QPainter* painter, int scene, double frame) const
{
    const QRectF stage(0, 0, m_project.getStageWidth(), m_project.getStageHeight());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->setClipRect(stage, Qt::IntersectClip);
    if (scene >= 0 && scene < m_project.getScenes().size()) {
        const QVector<ZenubLayer>& layers = m_project.getScenes().at(scene).getLayers();
        for (int l = 0; l < layers.size(); ++l) {
            if (!layers.at(l).isVisible())
                continue;
            const QVector<ZenubShape>& shapes = layers.at(l).getShapes();
            for (int s = 0; s < shapes.size(); ++s) {
                ZenubShapeState state;
                if (!shapes.at(s).stateAt(frame, &state))
                    continue;
                const bool bSelected = m_selected.contains(ShapeIndex(l, s));
                if (bSelected) {
                    state.box.setX(state.box.getX() + m_selectionOffset.x());
                    state.box.setY(state.box.getY() + m_selectionOffset.y());
                }
                ShapePainter::paint(painter, shapes.at(s), state, frame);
                if (bSelected) {
                    painter->save();
                    painter->setTransform(state.transform(), true);
                    paintSelectionOutline(painter, state.rect());
                    painter->restore();
                }
            }
        }
    }
    painter->restore();
}

QImage FrameRenderer::render(int scene, double frame, const QSize& size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(m_project.getBackgroundColor());
    const double width = std::max(1, m_project.getStageWidth());
    const double height = std::max(1, m_project.getStageHeight());
    const double scale = std::min(size.width() / width, size.height() / height);
    QPainter painter(&image);
    painter.translate((size.width() - width * scale) / 2, (size.height() - height * scale) / 2);
    painter.scale(scale, scale);
    paint(&painter, scene, frame);
    return image;
}

bool FrameRenderer::shapeAt(int scene, double frame, const QPointF& point, int* layer, int* shape,
                            double tolerance) const
{
    const ShapeRef found = pick(scene, frame, point, tolerance);
    if (!found.isValid())
        return false;
    *layer = found.layer;
    *shape = found.shape;
    return true;
}

ShapeRef FrameRenderer::pick(int scene, double frame, const QPointF& point, double tolerance,
                             const ShapeRef& within) const
{
    if (scene < 0 || scene >= m_project.getScenes().size())
        return ShapeRef();
    const ZenubScene& inScene = m_project.getScenes().at(scene);
    if (within.isValid()) {
        const ZenubShape* group = within.find(m_project);
        if (!group || within.scene != scene || group->getType() != ZenubShape::Type::Group)
            return ShapeRef();
        const ZenubLayer& layer = inScene.getLayers().at(within.layer);
        if (!layer.isVisible() || layer.isLocked())
            return ShapeRef();
        // The point in the group's own coordinates, where its members live.
        bool invertible = false;
        const QPointF inside = ShapeGeometry::parentToStage(inScene, within.member(0), frame)
                                   .inverted(&invertible)
                                   .map(point);
        if (!invertible)
            return ShapeRef();
        const QVector<ZenubShape>& members = group->getMembers();
        for (int m = members.size() - 1; m >= 0; --m)
            if (HitTest::hits(members.at(m), frame, inside, tolerance))
                return within.member(m);
        return ShapeRef();
    }
    const QVector<ZenubLayer>& layers = inScene.getLayers();
    // Last drawn is on top, so search backwards; a locked layer's shapes cannot be picked.
    for (int l = layers.size() - 1; l >= 0; --l) {
        if (!layers.at(l).isVisible() || layers.at(l).isLocked())
            continue;
        const QVector<ZenubShape>& shapes = layers.at(l).getShapes();
        for (int s = shapes.size() - 1; s >= 0; --s)
            if (HitTest::hits(shapes.at(s), frame, point, tolerance))
                return ShapeRef{scene, l, s};
    }
    return ShapeRef();
}
