// SPDX-License-Identifier: MIT
#ifndef BOXEDITS_H
#define BOXEDITS_H

#include <QPointF>
#include <QSizeF>

class ZenubKeyframe;

/*! Changing a keyframe's box without moving what it shows. */
namespace BoxEdits {

/*!
    \a keyframe with a box of \a size, turned as before, placed so that its point at \a to
    (fractions of the box: 0,0 top-left, 1,1 bottom-right) lies where the old box's point at
    \a from was drawn.
*/
ZenubKeyframe refit(const ZenubKeyframe& keyframe, const QSizeF& size, const QPointF& from,
                    const QPointF& to);

} // namespace BoxEdits

#endif
