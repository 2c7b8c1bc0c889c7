// SPDX-License-Identifier: MIT
#ifndef SVGTRANSFORM_H
#define SVGTRANSFORM_H

#include <QRectF>
#include <QString>
#include <QTransform>

/*! SVG's transform lists, and how much of one a shape's box can hold. */
namespace SvgTransform {

/*! \a text (matrix, translate, scale, rotate, skewX, skewY in any number); false on an error. */
bool parse(const QString& text, QTransform* transform);

/*!
    A transform a box can hold: a scale along the box's own axes (both positive), then a turn
    and a move. The turn is in degrees, clockwise on the screen.
*/
struct Boxed
{
    double scaleX = 1;
    double scaleY = 1;
    double degrees = 0;
};
/*! Whether \a transform is such a one (within rounding); \a boxed gets its parts. */
bool boxed(const QTransform& transform, Boxed* boxed);
/*! Whether \a transform keeps circles circles and sizes in one proportion (a mirror allowed). */
bool uniform(const QTransform& transform);
/*! How \a transform scales lengths, for a uniform() one. */
double scale(const QTransform& transform);
/*!
    The unturned box that shows \a rect (in the coordinates before \a transform) once turned
    by boxed()'s turn about its centre.
*/
QRectF boxOf(const QRectF& rect, const QTransform& transform, const Boxed& boxed);

} // namespace SvgTransform

#endif
