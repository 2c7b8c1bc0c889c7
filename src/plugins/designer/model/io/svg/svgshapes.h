// SPDX-License-Identifier: MIT
#ifndef SVGSHAPES_H
#define SVGSHAPES_H

#include "model/project/zenubshape.h"

#include <QCoreApplication>
#include <QVector>

/*!
    Reads the rectangles, circles, ellipses and texts of an SVG picture from another program
    as shapes that can be edited. A picture that holds anything else (paths, transforms,
    gradients, units other than pixels) is left alone: it is better pasted whole as one image
    than drawn differently from the original.
*/
class SvgShapes
{
    Q_DECLARE_TR_FUNCTIONS(SvgShapes)
public:
    /*! The shapes of \a svg in drawing order; false when it cannot be converted faithfully. */
    static bool convert(const QByteArray& svg, QVector<ZenubShape>* shapes);
};

#endif
