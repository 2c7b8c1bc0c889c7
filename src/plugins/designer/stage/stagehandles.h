// SPDX-License-Identifier: MIT
#ifndef STAGEHANDLES_H
#define STAGEHANDLES_H

#include <QPointF>
#include <Qt>

class ZenubKeyframe;

/*!
    The grips around a selected shape: eight to resize it and one above it to turn it. They
    follow the shape's rotation and keep their size on screen at any zoom, so their positions
    take the view's scale (screen pixels per stage pixel).
*/
class StageHandles
{
public:
    enum Handle {
        None = -1,
        TopLeft,
        Top,
        TopRight,
        Right,
        BottomRight,
        Bottom,
        BottomLeft,
        Left,
        Rotate
    };
    static constexpr int kCount = Rotate + 1;
    /*! Side of a resize grip and radius of the rotate grip, in screen pixels. */
    static constexpr double kGripSize = 8.0;

    /*! Where \a handle of a shape in \a state is, in stage pixels. */
    static QPointF position(const ZenubKeyframe& state, Handle handle, double scale);
    /*! The handle at stage point \a point, the rotate grip first. */
    static Handle handleAt(const ZenubKeyframe& state, const QPointF& point, double scale);

    /*!
        \a start with \a handle dragged to stage point \a point: the opposite corner or side
        stays where it is; \a keepAspect keeps the ratio of width to height.
    */
    static ZenubKeyframe resized(const ZenubKeyframe& start, Handle handle, const QPointF& point,
                                 bool keepAspect);
    /*!
        \a start turned about its centre by the angle from \a from to \a to; \a inSteps rounds
        the rotation to 15 degrees.
    */
    static ZenubKeyframe rotated(const ZenubKeyframe& start, const QPointF& from, const QPointF& to,
                                 bool inSteps);

    static Qt::CursorShape cursor(const ZenubKeyframe& state, Handle handle);
};

#endif
