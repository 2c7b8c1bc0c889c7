// SPDX-License-Identifier: MIT
#include "groupscope.h"

#include "model/project/zenubproject.h"
#include "model/render/shapegeometry.h"
#include "stageoverlay.h"

#include <QPainterPath>

namespace {

QTransform parentToStage(const ZenubProject& project, const ShapeRef& ref, int frame)
{
    if (ref.scene < 0 || ref.scene >= project.getScenes().size())
        return QTransform();
    return ShapeGeometry::parentToStage(project.getScenes().at(ref.scene), ref, frame);
}

} // namespace

void GroupScope::follow(const QVector<ShapeRef>& selection)
{
    if (selection.isEmpty())
        return;
    const ShapeRef parent = selection.constFirst().parent();
    for (const ShapeRef& ref : selection) {
        if (!ref.isMember() || ref.parent() != parent) {
            leave();
            return;
        }
    }
    enter(parent);
}

void GroupScope::check(const ZenubProject& project)
{
    const ZenubShape* group = m_group.isValid() ? m_group.find(project) : nullptr;
    if (!group || group->getType() != ZenubShape::Type::Group)
        leave();
}

QPolygonF GroupScope::outline(const ZenubProject& project, const ShapeRef& ref, int frame)
{
    const ZenubShape* shape = ref.find(project);
    ZenubShapeState state;
    if (!shape || !shape->stateAt(frame, &state))
        return QPolygonF();
    return (state.transform() * parentToStage(project, ref, frame)).map(QPolygonF(state.rect()));
}

QPointF GroupScope::localStep(const ZenubProject& project, const ShapeRef& ref, int frame,
                              const QPointF& step)
{
    if (!ref.isMember())
        return step;
    bool bInvertible = false;
    const QTransform back = parentToStage(project, ref, frame).inverted(&bInvertible);
    return bInvertible ? back.map(step) - back.map(QPointF()) : QPointF();
}

void GroupScope::paint(StageOverlay& overlay, const ZenubProject& project,
                       const QVector<ShapeRef>& selected, int frame) const
{
    if (!isEntered())
        return;
    QPainterPath box;
    box.addPolygon(outline(project, m_group, frame));
    box.closeSubpath();
    overlay.paintOutline(box, true);
    QPainterPath marks;
    for (const ShapeRef& ref : selected) {
        if (ref.isMember()) {
            marks.addPolygon(outline(project, ref, frame));
            marks.closeSubpath();
        }
    }
    overlay.paintOutline(marks);
}
