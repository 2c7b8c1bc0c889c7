// SPDX-License-Identifier: MIT
#ifndef PAINTBRUSH_H
#define PAINTBRUSH_H

#include <QBrush>
#include <QPen>
#include <QRectF>

class ZenubPaint;
class ZenubStroke;

/*!
    Qt's brushes and pens for the model's paints and strokes, laid out for a shape's box in the
    coordinates it is drawn in. Web pages' canvas draws the same: premultiplied colours between
    stops, a sharp change where two stops share an offset, nothing for a gradient whose ends
    meet, and corners whose miter would reach past the limit bevelled.
*/
class PaintBrush
{
public:
    static QBrush brush(const ZenubPaint& paint, const QRectF& box);
    /*! No pen for a stroke that draws nothing. */
    static QPen pen(const ZenubStroke& stroke, const QRectF& box);
};

#endif
