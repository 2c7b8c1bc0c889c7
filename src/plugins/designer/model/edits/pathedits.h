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
    without keyframes gets its first one there), then fits its box; the fill rule comes from
    \a stagePath.
*/
void setFromStage(ZenubShape& shape, double frame, const ZenubPath& stagePath,
                  const QTransform& parentToStage = QTransform());

/*!
    Splits the segment \a segment (from node \a segment to the next) of \a subpath at \a t
    (0..1) without changing its shape; returns the new node's index. A straight segment gets a
    corner node, a curve a smooth one.
*/
int splitSegment(ZenubPath& path, int subpath, int segment, double t);
/*! The segment nearest to \a point and where on it; returns the distance (-1 without any). */
double nearestSegment(const ZenubPath& path, const QPointF& point, int* subpath, int* segment,
                      double* t);
/*!
    Removes the nodes \a nodes (subpath, node); a subpath left without nodes goes, one left with
    one node opens.
*/
bool removeNodes(ZenubPath& path, const QVector<QPair<int, int>>& nodes);
/*!
    Makes a node smooth (its handles on one line through it: kept lengths, or a third of the
    way to its neighbours where it had none) or a corner (handles as they are).
*/
void setSmooth(ZenubPath& path, int subpath, int node, bool smooth);
/*! \a node with its in (or \a out) handle at \a position; a smooth node turns the other too. */
ZenubPathNode movedHandle(const ZenubPathNode& node, bool out, const QPointF& position);

} // namespace PathEdits

#endif
