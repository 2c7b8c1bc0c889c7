// SPDX-License-Identifier: MIT
#include "motionpath.h"

#include "model/project/zenubproject.h"
#include "model/render/shapegeometry.h"
#include "stageviewport.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kPath(0x80, 0x50, 0xf0);
const QColor kEdge(0x10, 0x10, 0x10);

QPointF centreAt(const ZenubScene& scene, const ZenubShape& shape, const ShapeRef& ref, int frame)
{
    ZenubShapeState state;
    shape.stateAt(frame, &state);
    return ShapeGeometry::parentToStage(scene, ref, frame).map(state.rect().center());
}

} // namespace

bool MotionPath::of(const ZenubProject& project, const ShapeRef& ref, MotionPath* path)
{
    const ZenubShape* shape = ref.find(project);
    if (!shape || !shape->tracks().position().isAnimated())
        return false;
    const ZenubScene& scene = project.getScenes().at(ref.scene);
    path->m_ref = ref;
    path->m_centres.clear();
    path->m_keys.clear();
    for (int frame = 0; frame < scene.getDuration(); ++frame)
        path->m_centres.append(centreAt(scene, *shape, ref, frame));
    for (const auto& key : shape->tracks().position().keys())
        if (key.frame >= 0 && key.frame < scene.getDuration())
            path->m_keys.append(key.frame);
    return true;
}

int MotionPath::keyNear(const QPointF& point, double reach, int skipped) const
{
    int nearest = -1;
    double best = reach;
    for (const int frame : m_keys) {
        const double distance = QLineF(m_centres.at(frame), point).length();
        if (frame != skipped && distance <= best) {
            best = distance;
            nearest = frame;
        }
    }
    return nearest;
}

void MotionPath::paintAll(QPainter* painter, const StageViewport& viewport,
                          const ZenubProject& project, const QVector<ShapeRef>& refs, int scene,
                          int frame)
{
    for (const ShapeRef& ref : refs) {
        MotionPath path;
        if (ref.scene == scene && of(project, ref, &path))
            path.paint(painter, viewport, frame);
    }
}

void MotionPath::paint(QPainter* painter, const StageViewport& viewport, int frame) const
{
    if (m_centres.isEmpty())
        return;
    QPolygonF shown;
    for (const QPointF& centre : m_centres)
        shown << viewport.fromStage(centre);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(kPath, 1.5));
    painter->drawPolyline(shown);
    // The spacing of the dots shows the speed.
    painter->setPen(QPen(kEdge, 1));
    painter->setBrush(kPath);
    for (const QPointF& dot : qAsConst(shown))
        painter->drawEllipse(dot, 2.5, 2.5);
    for (const int key : m_keys) {
        // A diamond, as keys look on the time line.
        const QPointF at = shown.at(key);
        const double half = 6;
        painter->setBrush(key == frame ? QColor(Qt::white) : kPath);
        painter->drawPolygon(QPolygonF({at + QPointF(0, -half), at + QPointF(half, 0),
                                        at + QPointF(0, half), at + QPointF(-half, 0)}));
    }
    if (frame >= 0 && frame < shown.size() && !m_keys.contains(frame)) {
        painter->setBrush(Qt::white);
        painter->drawEllipse(shown.at(frame), 3.5, 3.5);
    }
    painter->restore();
}

bool MotionPath::moveKey(ZenubProject& project, const ShapeRef& ref, int frame,
                         const QPointF& offset)
{
    ZenubShape* shape = ref.find(project);
    if (!shape)
        return false;
    ZenubTrack<QPointF>& track = shape->tracks().position();
    const ZenubKey<QPointF>* key = track.keyAt(frame);
    if (!key || offset.isNull())
        return false;
    // A member lives in its group's coordinates, which may be scaled and turned.
    const QTransform fromStage =
        ShapeGeometry::parentToStage(project.getScenes().at(ref.scene), ref, frame).inverted();
    const QPointF step = fromStage.map(offset) - fromStage.map(QPointF());
    track.setKey(ZenubKey<QPointF>{frame, key->value + step, key->easing});
    return true;
}
