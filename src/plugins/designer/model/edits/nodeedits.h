// SPDX-License-Identifier: MIT
#ifndef NODEEDITS_H
#define NODEEDITS_H

#include "model/project/zenubpath.h"

#include <QPointF>
#include <QVector>

class QTransform;
class ZenubShape;

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
    The node tool's edits of a path, as plain functions on its nodes (in whatever coordinates
    the nodes are in). Each returns false when it changes nothing.
*/
namespace NodeEdits {

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

/*!
    Fits the box of path shape \a shape to its nodes again after an edit: the nodes become
    relative to their bounds, and every keyframe's box moves and resizes so that the shape
    stays where it is drawn, turned or not.
*/
void rebox(ZenubShape& shape);

} // namespace NodeEdits

#endif
