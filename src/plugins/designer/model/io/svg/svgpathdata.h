// SPDX-License-Identifier: MIT
#ifndef SVGPATHDATA_H
#define SVGPATHDATA_H

#include "model/project/zenubpath.h"

#include <QPointF>
#include <QString>
#include <QVector>

/*!
    Reads SVG outlines into cubic nodes: path data with every command (moves, lines, cubic and
    quadratic curves with their smooth forms, elliptical arcs, close), absolute and relative,
    with repeated arguments; and the point lists of polygons and polylines. Quadratic curves
    become the cubics that draw them; arcs become one cubic per quarter turn at most.
    As in web browsers, data with an error draws what came before the error.
*/
class SvgPathData
{
public:
    /*!
        The outline of \a data in its own coordinates. False when it has more than \a budget
        nodes; \a budget is lowered by the nodes read.
    */
    static bool parse(const QString& data, int* budget, ZenubPath* path);
    /*! The points of a polygon's or polyline's list (an odd number left over is dropped). */
    static QVector<QPointF> points(const QString& text);
    /*!
        Appends to \a nodes (the last one at the arc's start) the cubics of the elliptical arc to
        \a end with radii \a radii turned by \a degrees.
    */
    static void arcTo(QVector<ZenubPathNode>& nodes, QPointF radii, double degrees, bool large,
                      bool sweep, const QPointF& end);
};

#endif
