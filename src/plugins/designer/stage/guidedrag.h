// SPDX-License-Identifier: MIT
#ifndef GUIDEDRAG_H
#define GUIDEDRAG_H

#include <QCoreApplication>
#include <QPointF>
#include <Qt>

class StageOverlay;
class StageViewport;
class StageWidget;
class ZenubGuides;

/*!
    A guide line on its way: pulled from a ruler, or picked up on the stage. It lands on whole
    stage pixels; dropped outside the stage (back on a ruler) it goes. The drop is one undo step.
*/
class GuideDrag
{
    Q_DECLARE_TR_FUNCTIONS(GuideDrag)
public:
    explicit GuideDrag(StageWidget* stage);

    /*! How near, in screen pixels, the pointer must be to a guide to take it. */
    static constexpr double kReach = 4.0;

    /*! The guide of \a guides at widget point \a point; false when none is that near. */
    static bool guideAt(const ZenubGuides& guides, const StageViewport& viewport,
                        const QPointF& point, Qt::Orientation* orientation, int* index);

    bool isActive() const { return m_bActive; }
    /*! Takes guide \a index of those along \a orientation; -1 pulls a new one. */
    void begin(Qt::Orientation orientation, int index);
    /*! Follows the pointer at \a point, in the stage widget's coordinates. */
    void moveTo(const QPointF& point);
    void finish(const QPointF& point);
    void cancel();

    /*! The guides as the drag leaves them so far. */
    ZenubGuides shown(const ZenubGuides& guides) const;
    void paint(StageOverlay& overlay) const;

private:
    StageWidget* m_pStage;
    bool m_bActive = false;
    bool m_bInside = false;
    Qt::Orientation m_orientation = Qt::Horizontal;
    int m_index = -1;
    double m_position = 0;
};

#endif
