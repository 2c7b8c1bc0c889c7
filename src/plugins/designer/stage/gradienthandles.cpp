// SPDX-License-Identifier: MIT
#include "gradienthandles.h"

#include "boxmapping.h"
#include "model/project/zenubproject.h"
#include "stageoverlay.h"

#include <QLineF>

namespace {

// The fill's or the outline's gradient at \a frame, where it has one.
bool paintOf(const ZenubShape& shape, int frame, bool bStroke, ZenubPaint* paint)
{
    ZenubShapeState state;
    shape.stateAt(frame, &state);
    *paint = bStroke ? state.stroke.getPaint() : state.fill;
    // An outline shows its gradient only where it is drawn.
    return paint->isGradient() && !(bStroke && state.stroke.getWidth() <= 0);
}

} // namespace

bool GradientHandles::handleAt(const ZenubProject& project, const ShapeRef& ref, int frame,
                               const QPointF& point, double reach, Handle* handle)
{
    const ZenubShape* shape = ref.find(project);
    if (!shape)
        return false;
    const QTransform map = BoxMapping::toStage(project, ref, frame);
    for (const bool bStroke : {false, true}) {
        ZenubPaint paint;
        if (!paintOf(*shape, frame, bStroke, &paint))
            continue;
        for (const bool bEnd : {true, false}) {
            const QPointF at = map.map(bEnd ? paint.getEnd() : paint.getStart());
            if (QLineF(at, point).length() <= reach) {
                *handle = Handle{bStroke, bEnd};
                return true;
            }
        }
    }
    return false;
}

bool GradientHandles::moved(ZenubProject& project, const ShapeRef& ref, int frame,
                            const Handle& handle, const QPointF& point)
{
    bool bInvertible = false;
    const QTransform back = BoxMapping::toStage(project, ref, frame).inverted(&bInvertible);
    ZenubShape* shape = ref.find(project);
    ZenubPaint paint;
    if (!shape || !bInvertible || !paintOf(*shape, frame, handle.bStroke, &paint))
        return false;
    if (handle.bEnd)
        paint.setEnd(back.map(point));
    else
        paint.setStart(back.map(point));
    // Keyed at the frame where the paint is animated, as every edit at a frame is.
    shape->editStateAt(frame, false, [&handle, &paint](ZenubShapeState& state) {
        if (handle.bStroke)
            state.stroke.setPaint(paint);
        else
            state.fill = paint;
    });
    return true;
}

void GradientHandles::paint(StageOverlay& overlay, const ZenubProject& project, const ShapeRef& ref,
                            int frame)
{
    const ZenubShape* shape = ref.find(project);
    if (!shape)
        return;
    const QTransform map = BoxMapping::toStage(project, ref, frame);
    for (const bool bStroke : {false, true}) {
        ZenubPaint paint;
        if (paintOf(*shape, frame, bStroke, &paint)) {
            // The start is the node, the end its handle; the outline's are drawn hollow.
            overlay.paintHandle(map.map(paint.getStart()), map.map(paint.getEnd()), !bStroke);
            overlay.paintNode(map.map(paint.getStart()), !bStroke);
        }
    }
}
