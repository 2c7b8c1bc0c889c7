// SPDX-License-Identifier: MIT
#ifndef TIMELINELAYOUT_H
#define TIMELINELAYOUT_H

#include "model/edits/keyframeref.h"

class QPoint;
class QRect;
class QScrollBar;
class QString;
class TimelineRows;
class ZenubScene;

/*!
    Where the time line's rows and frames sit in its viewport, with the scrolling and the width
    of a frame, and which keyframes a point or a rectangle there hits.
*/
class TimelineLayout
{
public:
    static constexpr int kNameWidth = 170;
    static constexpr int kRulerHeight = 22;
    static constexpr int kRowHeight = 22;
    static constexpr int kMark = 6;

    /*! Reads \a rows and the scroll bars' positions each time it is asked. */
    TimelineLayout(const TimelineRows& rows, const QScrollBar* horizontal,
                   const QScrollBar* vertical);

    int frameWidth() const { return m_frameWidth; }
    void setFrameWidth(int pixels) { m_frameWidth = pixels; }

    /*! The middle of frame \a frame. */
    int frameX(int frame) const;
    /*! The frame at \a x; negative left of the first. */
    int frameAtX(int x) const;
    int rowY(int row) const;
    /*! The row at \a y, or -1 over the ruler and below the last row. */
    int rowAtY(int y) const;

    KeyframeRefs refsAt(const ZenubScene* scene, int row, int frame) const;
    /*! The keyframes of the mark nearest to \a point within reach. */
    KeyframeRefs hitKeyframes(const ZenubScene* scene, const QPoint& point) const;
    KeyframeRefs keyframesIn(const ZenubScene* scene, const QRect& rect) const;
    /*! What a row's header or a keyframe at \a point tells about itself; empty elsewhere. */
    QString toolTipAt(const ZenubScene& scene, const QPoint& point) const;

private:
    const TimelineRows& m_rows;
    const QScrollBar* m_pHorizontal;
    const QScrollBar* m_pVertical;
    int m_frameWidth = 14;
};

#endif
