// SPDX-License-Identifier: MIT
#ifndef HITTEST_H
#define HITTEST_H

#include <QPointF>

class QPainterPath;
class ZenubShape;

/*!
    Whether a point touches a shape, for picking on the stage. Rectangles, ellipses, texts and
    images are touched anywhere in their box. Paths, polygons and stars are touched inside their
    fill (by its fill rule, open subpaths closed as the fill is; not where the fill is
    invisible) and on their outline: within half the stroke's width (caps, joins and dashes
    aside), plus the tolerance. A group is touched where any member is.
*/
class HitTest
{
public:
    /*!
        Whether \a point, in the coordinates of \a shape's parent, touches \a shape as it is at
        \a frame, allowing \a tolerance of those coordinates.
    */
    static bool hits(const ZenubShape& shape, double frame, const QPointF& point,
                     double tolerance = 0);
    /*! The distance from \a point to the nearest drawn part of \a path's outline. */
    static double distanceToOutline(const QPainterPath& path, const QPointF& point);
};

#endif
