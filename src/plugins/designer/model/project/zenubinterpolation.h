// SPDX-License-Identifier: MIT
#ifndef ZENUBINTERPOLATION_H
#define ZENUBINTERPOLATION_H

#include "zenubpaint.h"
#include "zenubpath.h"

#include <QColor>
#include <QPointF>
#include <QSizeF>

/*!
    The value \a eased of the way from \a from to \a to (0 gives \a from, 1 gives \a to; curves
    may overshoot either end), for each kind of value a track holds. The exported player mixes
    by the same rules, step for step.

    Numbers mix linearly. Whole numbers and colour channels (0..255, not premultiplied) round
    half up after mixing. Two paints mix when they are of one kind with as many stops; two
    paths when their subpaths have as many nodes and are closed alike. Values that do not mix
    hold \a from until the next keyframe.
*/
namespace ZenubInterpolation {

double mix(double from, double to, double eased);
int mix(int from, int to, double eased);
QPointF mix(const QPointF& from, const QPointF& to, double eased);
QSizeF mix(const QSizeF& from, const QSizeF& to, double eased);
QColor mix(const QColor& from, const QColor& to, double eased);
ZenubPaint mix(const ZenubPaint& from, const ZenubPaint& to, double eased);
ZenubPath mix(const ZenubPath& from, const ZenubPath& to, double eased);

/*! Whether two values are the same, exactly (Qt's points and sizes compare loosely). */
inline bool same(double a, double b)
{
    return a == b;
}
inline bool same(int a, int b)
{
    return a == b;
}
inline bool same(const QPointF& a, const QPointF& b)
{
    return a.x() == b.x() && a.y() == b.y();
}
inline bool same(const QSizeF& a, const QSizeF& b)
{
    return a.width() == b.width() && a.height() == b.height();
}
inline bool same(const ZenubPaint& a, const ZenubPaint& b)
{
    return a == b;
}
inline bool same(const ZenubPath& a, const ZenubPath& b)
{
    return a == b;
}

} // namespace ZenubInterpolation

#endif
