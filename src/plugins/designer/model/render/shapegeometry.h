// SPDX-License-Identifier: MIT
#ifndef SHAPEGEOMETRY_H
#define SHAPEGEOMETRY_H

#include "model/project/zenubpath.h"

#include <QRectF>
#include <QSizeF>
#include <QTransform>

class QPainterPath;
class ZenubScene;
class ZenubShape;
struct ShapeRef;
struct ZenubShapeState;

/*!
    The outlines of shapes as paths, by the rules every output draws them with.

    Polygons and stars have their first corner straight up and the rest clockwise, on the
    ellipse that fills the box (a star's inner corners on the same ellipse shrunk by its inner
    radius). Rounded corners are cut back along both edges by roundness / 2 of each edge's
    length and joined by a cubic curve whose handles reach kappa() of the way to the corner, so
    at roundness 1 the cuts meet half way along the edges.
*/
class ShapeGeometry
{
public:
    /*! The handle length of a cubic quarter circle, as a part of its radius. */
    static constexpr double kappa() { return 0.5522847498307936; }

    /*!
        The outline of a rectangle, ellipse, path, polygon or star relative to its box (0..1);
        empty for other kinds. A rectangle's corners need the box's size (\a state's).
    */
    static ZenubPath outline(const ZenubShape& shape, const ZenubShapeState& state);
    /*! outline() drawn into the state's box, unturned. */
    static QPainterPath painterPath(const ZenubShape& shape, const ZenubShapeState& state);

    static ZenubPath polygon(int points, double innerRadius, double roundness, bool star);
    static ZenubPath ellipse();
    static ZenubPath rectangle(const QSizeF& size, double cornerRadius);

    /*! Maps a group's own coordinates into its box (then turned with it, see transform()). */
    static QTransform contentTransform(const ZenubShape& group, const QRectF& box);
    /*!
        From a shape's own coordinates at \a frame to its parent's: for a group, the content
        transform and its turn; for other kinds, only the turn about the box's centre.
    */
    static QTransform transform(const ZenubShape& shape, const ZenubShapeState& state);

    /*!
        From the coordinates \a ref's shape lives in (its group's own, or the stage's for a
        shape of a layer) to the stage's, at \a frame. Identity when \a ref names no member.
    */
    static QTransform parentToStage(const ZenubScene& scene, const ShapeRef& ref, double frame);

    /*!
        What a shape covers at \a frame in its parent's coordinates: its turned box, or for a
        group the union of its members' bounds mapped through it. Empty without keyframes.
    */
    static QRectF bounds(const ZenubShape& shape, double frame);
};

#endif
