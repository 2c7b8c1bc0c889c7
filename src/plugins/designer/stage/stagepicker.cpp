// SPDX-License-Identifier: MIT
#include "stagepicker.h"

#include "model/render/framerenderer.h"
#include "model/render/shapegeometry.h"
#include "stagesnapper.h"

StagePicker::StagePicker(const ZenubProject& project, int scene, int frame, const ShapeRef& within)
    : m_project(project)
    , m_scene(scene)
    , m_frame(frame)
    , m_within(within)
{}

ShapeRef StagePicker::shapeAt(const QPointF& point) const
{
    if (m_within.isValid())
        return isPickable(m_within)
                   ? FrameRenderer(m_project).pick(m_scene, m_frame, point, 0, m_within)
                   : ShapeRef();
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
    if (m_within.isValid()) {
        const ZenubShape* group = m_within.find(m_project);
        if (!group || !isPickable(m_within))
            return found;
        const ZenubScene& scene = m_project.getScenes().at(m_scene);
        for (int m = 0; m < group->getMembers().size(); ++m) {
            const ShapeRef member = m_within.member(m);
            const QTransform toStage = ShapeGeometry::parentToStage(scene, member, m_frame);
            if (band.intersects(
                    toStage.mapRect(ShapeGeometry::bounds(group->getMembers().at(m), m_frame))))
                found.append(member);
        }
        return found;
    }
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
           ref.shape < layer.getShapes().size() && (!ref.isMember() || ref.find(m_project));
}
