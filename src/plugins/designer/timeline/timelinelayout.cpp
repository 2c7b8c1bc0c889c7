// SPDX-License-Identifier: MIT
#include "timelinelayout.h"

#include "timelinerows.h"

#include <QPoint>
#include <QRect>
#include <QScrollBar>
#include <QString>

#include <algorithm>
#include <cstdlib>

TimelineLayout::TimelineLayout(const TimelineRows& rows, const QScrollBar* horizontal,
                               const QScrollBar* vertical)
    : m_rows(rows)
    , m_pHorizontal(horizontal)
    , m_pVertical(vertical)
{}

int TimelineLayout::frameX(int frame) const
{
    return kNameWidth + frame * m_frameWidth + m_frameWidth / 2 - m_pHorizontal->value();
}

int TimelineLayout::frameAtX(int x) const
{
    const int offset = x - kNameWidth + m_pHorizontal->value();
    return offset < 0 ? -1 - (-offset - 1) / m_frameWidth : offset / m_frameWidth;
}

int TimelineLayout::rowY(int row) const
{
    return kRulerHeight + row * kRowHeight - m_pVertical->value();
}

int TimelineLayout::rowAtY(int y) const
{
    if (y < kRulerHeight)
        return -1;
    const int row = (y - kRulerHeight + m_pVertical->value()) / kRowHeight;
    return row < m_rows.count() ? row : -1;
}

KeyframeRefs TimelineLayout::refsAt(const ZenubScene* scene, int row, int frame) const
{
    if (!scene || row < 0 || row >= m_rows.count())
        return KeyframeRefs();
    return TimelineRows::refsAt(*scene, m_rows.at(row), frame);
}

KeyframeRefs TimelineLayout::hitKeyframes(const ZenubScene* scene, const QPoint& point) const
{
    const int row = rowAtY(point.y());
    if (row < 0 || point.x() < kNameWidth)
        return KeyframeRefs();
    // The nearest mark within reach wins, so small zooms still let a click land.
    const int reach = std::max(kMark + 1, m_frameWidth / 2);
    int best = -1;
    for (const int frame : TimelineRows::framesIn(
             *scene, m_rows.at(row), frameAtX(point.x() - reach), frameAtX(point.x() + reach)))
        if (std::abs(frameX(frame) - point.x()) <= reach &&
            (best < 0 || std::abs(frameX(frame) - point.x()) < std::abs(frameX(best) - point.x())))
            best = frame;
    return best < 0 ? KeyframeRefs() : refsAt(scene, row, best);
}

KeyframeRefs TimelineLayout::keyframesIn(const ZenubScene* scene, const QRect& rect) const
{
    KeyframeRefs refs;
    for (int row = 0; row < m_rows.count(); ++row) {
        const int y = rowY(row) + kRowHeight / 2;
        if (y < rect.top() || y > rect.bottom())
            continue;
        for (const int frame : TimelineRows::framesIn(*scene, m_rows.at(row), frameAtX(rect.left()),
                                                      frameAtX(rect.right())))
            if (rect.contains(frameX(frame), y))
                refs += refsAt(scene, row, frame);
    }
    return refs;
}

QString TimelineLayout::toolTipAt(const ZenubScene& scene, const QPoint& point) const
{
    const int row = rowAtY(point.y());
    if (row < 0)
        return QString();
    if (point.x() < kNameWidth)
        return TimelineRows::motionHint(scene, m_rows.at(row));
    const KeyframeRefs hits = hitKeyframes(&scene, point);
    return hits.isEmpty() ? QString() : TimelineRows::keyframeHint(scene, hits.constFirst());
}
