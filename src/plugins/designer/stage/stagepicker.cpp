// SPDX-License-Identifier: MIT
#include "stagepicker.h"

#include "model/render/framerenderer.h"
#include "stagesnapper.h"

StagePicker::StagePicker(const ZenubProject& project, int scene, int frame)
    : m_project(project)
    , m_scene(scene)
    , m_frame(frame)
{}

ShapeRef StagePicker::shapeAt(const QPointF& point) const
{
    int layer = -1;
    int shape = -1;
    if (!FrameRenderer(m_project).shapeAt(m_scene, m_frame, point, &layer, &shape))
        return ShapeRef();
    return ShapeRef{m_scene, layer, shape};
}

QVector<ShapeRef> StagePicker::shapesIn(const QRectF& band) const
{
    QVector<ShapeRef> found;
    if (m_scene < 0 || m_scene >= m_project.getScenes().size())
        return found;
    const QVector<ZenubLayer>& layers = m_project.getScenes().at(m_scene).getLayers();
    for (int l = 0; l < layers.size(); ++l) {
        const QVector<ZenubShape>& shapes = layers.at(l).getShapes();
        for (int s = 0; s < shapes.size(); ++s)
            if (isPickable({m_scene, l, s}) && !shapes.at(s).getKeyframes().isEmpty() &&
                band.intersects(StageSnapper::boundsOf(shapes.at(s), m_frame)))
                found.append(ShapeRef{m_scene, l, s});
    }
    return found;
}

bool StagePicker::isPickable(const ShapeRef& ref) const
{
    if (ref.scene < 0 || ref.scene >= m_project.getScenes().size() || ref.layer < 0 ||
        ref.layer >= m_project.getScenes().at(ref.scene).getLayers().size())
        return false;
    const ZenubLayer& layer = m_project.getScenes().at(ref.scene).getLayers().at(ref.layer);
    return layer.isVisible() && !layer.isLocked() && ref.shape >= 0 &&
           ref.shape < layer.getShapes().size();
}
