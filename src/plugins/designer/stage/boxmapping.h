// SPDX-License-Identifier: MIT
#ifndef BOXMAPPING_H
#define BOXMAPPING_H

#include <QTransform>

class ZenubProject;
struct ShapeRef;

namespace BoxMapping {

/*!
    From the box's own coordinates of \a ref's shape (0,0 its top-left corner, 1,1 its
    bottom-right) to the stage's at \a frame, through its turn and the groups it is in: where a
    path's nodes and a gradient's points lie on the stage. Identity when \a ref names no shape.
*/
QTransform toStage(const ZenubProject& project, const ShapeRef& ref, int frame);

} // namespace BoxMapping

#endif
