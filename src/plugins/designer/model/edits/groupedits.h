// SPDX-License-Identifier: MIT
#ifndef GROUPEDITS_H
#define GROUPEDITS_H

#include "shaperef.h"

#include <QString>
#include <QVector>

class QTransform;
class ZenubKeyframe;
class ZenubProject;
class ZenubScene;
class ZenubShape;

/*! Grouping and ungrouping as plain functions on a scene. */
namespace GroupEdits {

/*!
    Puts the shapes \a refs into one new group named \a name (a numbered "Group" when empty),
    which takes the place of the topmost of them. The shapes must share their parent: shapes of
    the scene's layers (the group goes to the topmost's layer) or members of one group. The
    group's box is what they cover at \a frame, its one keyframe at frame 0; the members keep
    their keyframes, moved into the group's coordinates. \a group receives where it went.
*/
bool group(ZenubScene& scene, const QVector<ShapeRef>& refs, double frame, const QString& name,
           ShapeRef* group = nullptr);

/*!
    Puts the members of the group \a ref back in its place, drawn as they are at \a frame:
    every keyframe of theirs is mapped through the group's box at that frame (its animation
    beyond that frame is not kept), opacities multiplied. \a members receives where they went.
*/
bool ungroup(ZenubScene& scene, const ShapeRef& ref, double frame,
             QVector<ShapeRef>* members = nullptr);

/*!
    \a keyframe of a member, mapped through \a transform (a group's own coordinates to its
    parent's) as a box that is only turned and sized: exact unless the group stretches a
    turned member, where it gives the box nearest to the stretched one.
*/
ZenubKeyframe mapped(const ZenubKeyframe& keyframe, const QTransform& transform);

/*!
    Fits a group's box to what its members cover again (at every frame where one of them has a
    key), after they moved or changed size: the members move into the new box's coordinates and
    the group's box changes in every key of its own, so that everything is drawn where it was.
    False when nothing changed.
*/
bool fitBox(ZenubShape& group);
/*!
    fitBox() for the groups that hold \a refs in \a project, the innermost first, each once.
*/
void fitGroupsOf(ZenubProject& project, const QVector<ShapeRef>& refs);

} // namespace GroupEdits

#endif
