// SPDX-License-Identifier: MIT
#ifndef GRADIENTHANDLES_H
#define GRADIENTHANDLES_H

#include "model/edits/shaperef.h"

#include <QPointF>

class StageOverlay;
class ZenubPaint;
class ZenubProject;

/*!
    The two points of a selected shape's gradients on the stage: where a linear gradient starts
    and ends, or a radial one's centre and edge. They follow the shape's box and turn; dragging
    one moves that point of the paint.
*/
class GradientHandles
{
public:
    /*! One point of one paint: the fill's or the outline's, its start or its end. */
    struct Handle
    {
        bool bStroke = false;
        bool bEnd = false;
    };

    /*! The handle at stage point \a point, \a reach stage pixels round; false for none. */
    static bool handleAt(const ZenubProject& project, const ShapeRef& ref, int frame,
                         const QPointF& point, double reach, Handle* handle);
    /*! The paint of \a handle in \a project after moving the handle to stage point \a point. */
    static bool moved(ZenubProject& project, const ShapeRef& ref, int frame, const Handle& handle,
                      const QPointF& point);
    static void paint(StageOverlay& overlay, const ZenubProject& project, const ShapeRef& ref,
                      int frame);
};

#endif
