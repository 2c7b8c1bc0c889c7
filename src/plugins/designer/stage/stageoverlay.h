// SPDX-License-Identifier: MIT
#ifndef STAGEOVERLAY_H
#define STAGEOVERLAY_H

#include <QLineF>
#include <QRectF>
#include <QVector>
#include <Qt>

class QPainter;
class QPainterPath;
class StageViewport;
class ZenubGuides;
class ZenubKeyframe;
class ZenubProject;

/*!
    What the stage draws over the picture of the frame for the editor only: the grid, the
    handles of the selected shape, the marks of animated shapes, snapping guides and the
    selection rectangle. Never exported. Sizes are screen pixels at any zoom.
*/
class StageOverlay
{
public:
    explicit StageOverlay(QPainter* painter, const StageViewport& viewport);

    /*! The grid's spacing in stage pixels: the finest of 10, 20, 40, ... that stays readable. */
    static double gridSpacing(double scale);
    void paintGrid(const QSizeF& stage);
    /*! The handles around \a box, turned with it. */
    void paintHandles(const ZenubKeyframe& box);
    /*! A small keyframe diamond at the top right of each animated shape of the scene. */
    void paintAnimatedMarks(const ZenubProject& project, int scene, int frame);
    void paintGuides(const QVector<QLineF>& guides);
    void paintRubberBand(const QRectF& band);
    /*!
        A thin line along \a path, in stage pixels, as the path tools draw what they edit;
        dashed for a frame around what is worked in (an entered group).
    */
    void paintOutline(const QPainterPath& path, bool bDashed = false);
    /*! A node of a path at stage point \a point: filled when selected. */
    void paintNode(const QPointF& point, bool bSelected);
    /*! The handle at \a handle of the node at \a node, with the line between them. */
    void paintHandle(const QPointF& node, const QPointF& handle, bool bSelected);
    /*! The user's guide lines, across the whole view. */
    void paintUserGuides(const ZenubGuides& guides);
    /*! One guide line at \a position stage pixels; \a bHeld marks the one being dragged. */
    void paintGuideLine(Qt::Orientation orientation, double position, bool bHeld);

private:
    QPainter* m_pPainter;
    const StageViewport& m_viewport;
};

#endif
