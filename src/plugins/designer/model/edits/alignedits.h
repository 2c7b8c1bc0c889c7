// SPDX-License-Identifier: MIT
#ifndef ALIGNEDITS_H
#define ALIGNEDITS_H

#include <QPointF>
#include <QRectF>
#include <QVector>

/*!
    Lining up and spacing out boxes, as plain functions: each returns how far every box moves,
    in the order of the boxes given. The boxes are the shapes' drawn bounds at one frame.
*/
namespace AlignEdits {

enum class Edge { Left, Centre, Right, Top, Middle, Bottom };

/*! Moves every box onto \a edge of \a reference (the selection's bounds or the stage). */
QVector<QPointF> align(const QVector<QRectF>& boxes, Edge edge, const QRectF& reference);

/*!
    Leaves equal gaps between the boxes along \a orientation, in the order of their centres.
    With a null \a reference the outermost boxes stay where they are; otherwise the row spans
    \a reference from side to side (a single box goes to its middle).
*/
QVector<QPointF> distribute(const QVector<QRectF>& boxes, Qt::Orientation orientation,
                            const QRectF& reference);

/*! The box around all \a boxes. */
QRectF bounds(const QVector<QRectF>& boxes);

} // namespace AlignEdits

#endif
