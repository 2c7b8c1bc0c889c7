// SPDX-License-Identifier: MIT
#include "graphsegment.h"

namespace GraphSegment {

namespace {

QPointF controlPoint(const ZenubEasing& easing, int which)
{
    if (easing.getType() == ZenubEasing::Type::Linear)
        return which == 0 ? QPointF(1 / 3.0, 1 / 3.0) : QPointF(2 / 3.0, 2 / 3.0);
    return which == 0 ? QPointF(easing.x1(), easing.y1()) : QPointF(easing.x2(), easing.y2());
}

} // namespace

bool hasHandles(const ZenubEasing& easing)
{
    return !easing.isHold();
}

QPointF handle(const GraphKey& from, const GraphKey& to, int which)
{
    const QPointF control = controlPoint(from.easing, which);
    return QPointF(from.frame + control.x() * (to.frame - from.frame),
                   from.value + control.y() * (to.value - from.value));
}

ZenubEasing dragged(const GraphKey& from, const GraphKey& to, int which, const QPointF& point)
{
    QPointF controls[] = {controlPoint(from.easing, 0), controlPoint(from.easing, 1)};
    QPointF& moved = controls[which == 0 ? 0 : 1];
    if (to.frame != from.frame)
        moved.setX((point.x() - from.frame) / (to.frame - from.frame));
    if (to.value != from.value)
        moved.setY((point.y() - from.value) / (to.value - from.value));
    return ZenubEasing::bezier(controls[0].x(), controls[0].y(), controls[1].x(), controls[1].y());
}

} // namespace GraphSegment
