// SPDX-License-Identifier: MIT
#ifndef STAGESNAPPER_H
#define STAGESNAPPER_H

#include "document/designerdocument.h"

#include <QLineF>
#include <QRectF>
#include <QVector>

/*!
    Pulls a dragged box or point onto the stage's edges and centre, onto the edges and centres
    of the other shapes, onto the guides and onto the grid when they are shown. The lines it snapped
   to come back as guides to draw, in stage pixels across the whole stage.
*/
class StageSnapper
{
public:
    /*!
        Targets from the scene at \a frame: every shape that can be picked, except \a moving;
        \a grid is the grid's spacing, 0 without one.
    */
    StageSnapper(const ZenubProject& project, int scene, int frame, const QVector<ShapeRef>& moving,
                 double grid);

    /*! The offset that puts \a box, moved by \a offset, onto the nearest targets. */
    QPointF snapBox(const QRectF& box, const QPointF& offset, double tolerance,
                    QVector<QLineF>* guides) const;
    /*! Adds the lines of \a guides to the targets. */
    void addGuides(const ZenubGuides& guides);
    /*! \a point on the nearest targets; \a snapX and \a snapY pick the directions. */
    QPointF snapPoint(const QPointF& point, bool snapX, bool snapY, double tolerance,
                      QVector<QLineF>* guides) const;

    /*! The bounding box of a shape as it is drawn, turned. */
    static QRectF boundsOf(const ZenubShape& shape, int frame);

private:
    // The shift that puts the nearest of \a values on a target; false when none is near.
    bool snap(const QVector<double>& values, const QVector<double>& targets, double tolerance,
              double* shift, double* line) const;

    QSizeF m_stage;
    QVector<double> m_xs;
    QVector<double> m_ys;
    double m_grid = 0;
};

#endif
