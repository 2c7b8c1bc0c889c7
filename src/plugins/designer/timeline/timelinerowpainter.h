// SPDX-License-Identifier: MIT
#ifndef TIMELINEROWPAINTER_H
#define TIMELINEROWPAINTER_H

#include "model/edits/keyframeref.h"
#include "timelinerows.h"

#include <QSize>

class QPainter;
class QPalette;
class TimelineLayout;
class ZenubScene;

/*!
    Paints the rows of a scene's time line: each row's header, the marks of its keyframes, the
    span a moving shape covers and the frames past the scene's end. Only what the viewport shows
    is looked up and drawn, so a row's cost follows the width of the view, not the number of
    keyframes.
*/
class TimelineRowPainter
{
public:
    TimelineRowPainter(const TimelineLayout& layout, const TimelineRows& rows,
                       const QPalette& palette, const QSize& viewport);

    /*! The marks of \a selection are drawn \a dragDelta frames on, where a drag drops them. */
    void setSelection(const KeyframeRefs& selection, int dragDelta);
    /*!
        Row \a index with its top at \a y; \a duration is the scene's length in frames; \a bChosen
        marks a property row the graph editor shows.
    */
    void paint(QPainter& painter, const ZenubScene& scene, int index, int y, int duration,
               bool bHighlighted, bool bChosen = false) const;

private:
    void paintKeyframes(QPainter& painter, const ZenubScene& scene, int index, int y) const;
    bool isSelected(const KeyframeRef& ref) const;
    /*! Whether a shape's row shows its property rows beneath it. */
    bool isOpen(const TimelineRows::Row& row) const;

    const TimelineLayout& m_layout;
    const TimelineRows& m_rows;
    const QPalette& m_palette;
    QSize m_viewport;
    KeyframeRefs m_selection;
    int m_dragDelta = 0;
};

#endif
