// SPDX-License-Identifier: MIT
#include "gradienthandles.h"

#include "boxmapping.h"
#include "model/project/zenubproject.h"
#include "stageoverlay.h"

#include <QLineF>

namespace {

const ZenubPaint* paintOf(const ZenubShape& shape, bool bStroke)
{
    const ZenubPaint& paint = bStroke ? shape.getStroke().getPaint() : shape.getFill();
    // An outline shows its gradient only where it is drawn.
    if (!paint.isGradient() || (bStroke && shape.getStrokeWidth() <= 0))
        return nullptr;
    return &paint;
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
        const ZenubPaint* paint = paintOf(*shape, bStroke);
        if (!paint)
            continue;
        for (const bool bEnd : {true, false}) {
            const QPointF at = map.map(bEnd ? paint->getEnd() : paint->getStart());
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
    if (!shape || !bInvertible || !paintOf(*shape, handle.bStroke))
        return false;
    ZenubPaint paint = handle.bStroke ? shape->getStroke().getPaint() : shape->getFill();
    if (handle.bEnd)
        paint.setEnd(back.map(point));
    else
        paint.setStart(back.map(point));
    if (handle.bStroke)
        shape->stroke().setPaint(paint);
    else
        shape->setFill(paint);
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
        if (const ZenubPaint* paint = paintOf(*shape, bStroke)) {
            // The start is the node, the end its handle; the outline's are drawn hollow.
            overlay.paintHandle(map.map(paint->getStart()), map.map(paint->getEnd()), !bStroke);
            overlay.paintNode(map.map(paint->getStart()), !bStroke);
        }
    }
}
