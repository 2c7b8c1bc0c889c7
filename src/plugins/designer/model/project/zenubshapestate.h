// SPDX-License-Identifier: MIT
#ifndef ZENUBSHAPESTATE_H
#define ZENUBSHAPESTATE_H

#include "zenubkeyframe.h"
#include "zenubpaint.h"
#include "zenubpath.h"
#include "zenubstroke.h"

#include <QRectF>
#include <QTransform>

/*!
    Everything about a shape that may change from frame to frame, as it is at one frame: its box
    (position, size, rotation, opacity; the box's frame and easing mean nothing here), how it is
    painted (the paints' opacities included), its corners, path and font size.
    ZenubShape::stateAt() is the one place that computes it; everything that draws, picks or
    exports a shape at a frame reads it from here, and ZenubShape::editStateAt() edits it.
*/
struct ZenubShapeState
{
    ZenubKeyframe box;
    ZenubPaint fill;
    ZenubStroke stroke;
    double cornerRadius = 0;
    int points = 5;
    double innerRadius = 0.5;
    double roundness = 0;
    ZenubPath path;
    double fontSize = 0;

    QRectF rect() const { return QRectF(box.getX(), box.getY(), box.getWidth(), box.getHeight()); }
    /*! From the box's own (unrotated) coordinates to its parent's: a turn about its centre. */
    QTransform transform() const
    {
        const QPointF centre = rect().center();
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(box.getRotation());
        turn.translate(-centre.x(), -centre.y());
        return turn;
    }
};

#endif
