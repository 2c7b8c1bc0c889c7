// SPDX-License-Identifier: MIT
#ifndef GRAPHSEGMENT_H
#define GRAPHSEGMENT_H

#include "graphchannel.h"

#include <QPointF>

/*!
    The curve between two keys of a channel as its Bézier handles show it: the easing's control
    points stretched over the segment's frames and values. Points are (frame, value).
*/
namespace GraphSegment {

/*! Whether the segment has handles: every easing but hold. */
bool hasHandles(const ZenubEasing& easing);
/*!
    Where handle \a which (0: leaving \a from, 1: arriving at \a to) sits. A linear segment shows
    them at a third and two thirds of its line, which describes the same curve.
*/
QPointF handle(const GraphKey& from, const GraphKey& to, int which);
/*!
    The easing of \a from once handle \a which is dragged to \a point; the other handle stays.
    A segment between equal values keeps its handles' heights, which it cannot show.
*/
ZenubEasing dragged(const GraphKey& from, const GraphKey& to, int which, const QPointF& point);

} // namespace GraphSegment

#endif
