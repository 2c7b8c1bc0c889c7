// SPDX-License-Identifier: MIT
#ifndef SVGSHAPES_H
#define SVGSHAPES_H

#include "model/project/zenubshape.h"

#include <QCoreApplication>
#include <QVector>

/*!
    Reads an SVG picture from another program as shapes that can be edited: rectangles,
    circles, ellipses, lines, polylines, polygons and paths, texts in one style (their lines may
    be spans, as editors write them), groups, and linear and radial gradients. A group whose
    transform a box can hold (scale, turn, move) keeps it as the group's box; a shear or mirror
    goes into its members' outlines instead, where rectangles and ellipses become paths.
    The picture is left whole (to be pasted as one image) when anything in it would draw
    differently as shapes: other elements (images, uses, nested pictures, spans that restyle or
    move words), clipping, masks, filters, markers, style sheets, repeating gradients, radial
    gradients with a focus or turned into ellipses, outlines or texts under an uneven scale or a
    shear, lengths in units other than pixels, or more than a pasted drawing should hold.
*/
class SvgShapes
{
    Q_DECLARE_TR_FUNCTIONS(SvgShapes)
public:
    /*! The shapes of \a svg in drawing order; false when it cannot be converted faithfully. */
    static bool convert(const QByteArray& svg, QVector<ZenubShape>* shapes);
};

#endif
