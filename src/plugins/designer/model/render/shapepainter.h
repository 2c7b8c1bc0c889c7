// SPDX-License-Identifier: MIT
#ifndef SHAPEPAINTER_H
#define SHAPEPAINTER_H

class QPainter;
class ZenubShape;
struct ZenubShapeState;

/*!
    Draws one shape, a group with all its members, through the painter's transformation (the
    shape's parent's coordinates). Opacity multiplies down a group: each member is drawn at
    its own opacity times its groups'.
*/
class ShapePainter
{
public:
    /*! Draws \a shape in \a state; a group's members are drawn as they are at \a frame. */
    static void paint(QPainter* painter, const ZenubShape& shape, const ZenubShapeState& state,
                      double frame);
    /*! Draws \a shape as it is at \a frame; nothing when it has no keyframe. */
    static void paint(QPainter* painter, const ZenubShape& shape, double frame);
};

#endif
