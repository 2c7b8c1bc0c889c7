// SPDX-License-Identifier: MIT
#ifndef SHAPESVGWRITER_H
#define SHAPESVGWRITER_H

#include <QByteArray>
#include <QVector>

class ZenubShape;

/*!
    An SVG picture of shapes at one frame, cropped to them, for other programs: rectangles,
    ellipses, paths (polygons and stars as paths), texts line by line and run by run as laid
    out on the stage, pictures, and groups with their transformation. Gradients go into the
    document's definitions in stage pixels. A group's opacity is given to each of its members,
    since that is how the stage draws it.
*/
class ShapeSvgWriter
{
public:
    static QByteArray toSvg(const QVector<ZenubShape>& shapes, double frame);
};

#endif
