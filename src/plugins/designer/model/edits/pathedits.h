// SPDX-License-Identifier: MIT
#ifndef PATHEDITS_H
#define PATHEDITS_H

#include "model/project/zenubpath.h"

#include <QPair>
#include <QPointF>
#include <QTransform>
#include <QVector>

class QPainterPath;
class ZenubShape;
struct ZenubShapeState;

/*! One node of a path: its subpath and its place there. */
struct NodeRef
{
    int subpath = -1;
    int node = -1;
    bool operator==(const NodeRef& other) const
    {
        return subpath == other.subpath && node == other.node;
    }
    bool operator!=(const NodeRef& other) const { return !(*this == other); }
};

/*!
    Edits of paths as plain functions: turning other shapes into paths, and what the pen and
    node tools do to nodes. Nodes that tools work on are in stage coordinates (toStage()); they go
    back into the shape with setFromStage(), which fits the box to the outline again.
*/
namespace PathEdits {

/*! Whether toPath() can turn \a shape into a path. */
bool canConvert(const ZenubShape& shape);
/*!
    Turns a rectangle, ellipse, polygon, star or text into a path that draws the same at
    \a frame, keeping its name, keyframes, fill and stroke. A text becomes its glyphs' outlines
    (its stroke dropped, as texts draw none); a text whose runs have colours of their own becomes
    a group of such paths, one per colour. False for other kinds.
*/
bool toPath(ZenubShape& shape, double frame);
/*! The nodes of \a path (any coordinates); glyph outlines close where they started. */
ZenubPath fromPainterPath(const QPainterPath& path);

/*!
    Fits a path's box to its outline again after its nodes moved: every keyframe's box changes
    so that the path stays where it is drawn, and the nodes become relative to the new box.
    An outline without width or height gets a box without it. False when nothing changed.
*/
bool fitBox(ZenubShape& shape);

/*! The bounds of the path's outline in every keyframe of it, relative to its box. */
QRectF outlineBounds(const ZenubShape& shape);

/*! The path's nodes in stage coordinates, as drawn in \a state inside \a parentToStage. */
ZenubPath toStage(const ZenubShape& shape, const ZenubShapeState& state,
                  const QTransform& parentToStage = QTransform());
/*!
    Makes \a shape (a path) show \a stagePath, given in stage coordinates, at \a frame (a shape
    without keyframes gets its first one there), keyed there by the rule every edit at a frame
    follows (ZenubShape::editStateAt()), then fits its box; the fill rule comes from
    \a stagePath.
*/
void setFromStage(ZenubShape& shape, double frame, const ZenubPath& stagePath,
                  const QTransform& parentToStage = QTransform(), bool autoKey = false);

/*! Moves the nodes \a nodes with their handles by \a offset. */
bool moveNodes(ZenubPath& path, const QVector<NodeRef>& nodes, const QPointF& offset);
/*!
    Puts the in or out handle of \a node at \a to. The other handle of a smooth node turns to
    stay on one line through the node, keeping its length.
*/
bool moveHandle(ZenubPath& path, const NodeRef& node, bool bOut, const QPointF& to);

/*! The segment from node \a from to the next, as its four points. */
QVector<QPointF> segment(const ZenubPath& path, const NodeRef& from);
/*!
    The segment of \a path nearest to \a point and where on it (0..1), measured after mapping
    through \a map; false when none is within \a tolerance.
*/
bool nearestSegment(const ZenubPath& path, const QTransform& map, const QPointF& point,
                    double tolerance, NodeRef* from, double* t);
/*! Splits the segment from \a from at \a t into two that draw the same curve. */
NodeRef insertNode(ZenubPath& path, const NodeRef& from, double t);
/*!
    Removes \a nodes; the neighbours join up with their outer handles. A subpath left with
    fewer than two nodes goes.
*/
bool deleteNodes(ZenubPath& path, QVector<NodeRef> nodes);
/*!
    Makes \a nodes smooth (their handles on one line, pulled out along the neighbours when they
    had none) or corners (their handles as they are, free to turn apart).
*/
bool setSmooth(ZenubPath& path, const QVector<NodeRef>& nodes, bool bSmooth);
/*!
    Closes the open subpaths of \a nodes; opens the closed ones at their first given node,
    which becomes the start and the end of the line.
*/
bool setClosed(ZenubPath& path, const QVector<NodeRef>& nodes, bool bClosed);

} // namespace PathEdits

#endif
