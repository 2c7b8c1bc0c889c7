// SPDX-License-Identifier: MIT
#include "timelinerowpainter.h"

#include "model/edits/keyframeedits.h"
#include "model/project/zenubscene.h"
#include "timelinelayout.h"
#include "timelinepainting.h"
#include "timelinerows.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace {

constexpr int kNameWidth = TimelineLayout::kNameWidth;
constexpr int kRulerHeight = TimelineLayout::kRulerHeight;
constexpr int kRowHeight = TimelineLayout::kRowHeight;
constexpr int kMark = TimelineLayout::kMark;

} // namespace

TimelineRowPainter::TimelineRowPainter(const TimelineLayout& layout, const TimelineRows& rows,
                                       const QPalette& palette, const QSize& viewport)
    : m_layout(layout)
    , m_rows(rows)
    , m_palette(palette)
    , m_viewport(viewport)
{}

void TimelineRowPainter::setSelection(const KeyframeRefs& selection, int dragDelta)
{
    m_selection = selection;
    // Looked up for every mark drawn; sorted once, each look-up is a search.
    if (!std::is_sorted(m_selection.cbegin(), m_selection.cend()))
        std::sort(m_selection.begin(), m_selection.end());
    m_dragDelta = dragDelta;
}

bool TimelineRowPainter::isSelected(const KeyframeRef& ref) const
{
    // A property's keyframe is also picked with every keyframe of its shape on that frame.
    return std::binary_search(m_selection.cbegin(), m_selection.cend(), ref) ||
           (!ref.isWhole() && std::binary_search(m_selection.cbegin(), m_selection.cend(),
                                                 KeyframeRef{ref.layer, ref.shape, ref.frame}));
}

bool TimelineRowPainter::isOpen(const TimelineRows::Row& row) const
{
    // Open when the next row is one of its properties.
    const int index = m_rows.indexOf(row.layer, row.shape);
    return index >= 0 && index + 1 < m_rows.count() && m_rows.at(index + 1).isProperty() &&
           m_rows.at(index + 1).shape == row.shape && m_rows.at(index + 1).layer == row.layer;
}

void TimelineRowPainter::paint(QPainter& painter, const ZenubScene& scene, int index, int y,
                               int duration, bool bHighlighted, bool bChosen) const
{
    const TimelineRows::Row& row = m_rows.at(index);
    const ZenubLayer& layer = scene.getLayers().at(row.layer);
    const QRect band(0, y, m_viewport.width(), kRowHeight);
    painter.save();
    painter.setClipRect(QRect(0, kRulerHeight, m_viewport.width(), m_viewport.height()));
    painter.fillRect(band, row.shape < 0 ? m_palette.button() : m_palette.base());
    if (bHighlighted) {
        QColor tint = m_palette.highlight().color();
        tint.setAlpha(50);
        painter.fillRect(band, tint);
    }
    // Frames past the scene's end are greyed: nothing plays there.
    const int end = m_layout.frameX(duration) - m_layout.frameWidth() / 2;
    if (end < band.right()) {
        const QColor shade(128, 128, 128, 60);
        painter.fillRect(QRect(std::max(end, kNameWidth), y, band.right() - end + 1, kRowHeight),
                         shade);
    }
    painter.setPen(m_palette.midlight().color());
    painter.drawLine(0, y + kRowHeight - 1, band.right(), y + kRowHeight - 1);
    paintKeyframes(painter, scene, index, y);
    using TimelinePainting::Disclosure;
    using TimelinePainting::RowDepth;
    const RowDepth depth = row.shape < 0      ? RowDepth::Layer
                           : row.isProperty() ? RowDepth::Property
                                              : RowDepth::Shape;
    const Disclosure disclosure = !TimelineRows::isExpandable(scene, row) ? Disclosure::None
                                  : isOpen(row)                           ? Disclosure::Open
                                                                          : Disclosure::Closed;
    TimelinePainting::drawRowHeader(painter, m_palette, QRect(0, y, kNameWidth - 1, kRowHeight),
                                    TimelineRows::title(scene, row), depth, disclosure,
                                    !layer.isVisible(), TimelineRows::isAnimated(scene, row),
                                    bHighlighted);
    if (bChosen) {
        // Chosen for the graph editor: marked more strongly than a shape picked on the stage.
        QColor tint = m_palette.highlight().color();
        tint.setAlpha(90);
        painter.fillRect(QRect(0, y, kNameWidth - 1, kRowHeight), tint);
        painter.fillRect(QRect(0, y, 3, kRowHeight), m_palette.highlight());
    }
    painter.restore();
}

void TimelineRowPainter::paintKeyframes(QPainter& painter, const ZenubScene& scene, int index,
                                        int y) const
{
    const TimelineRows::Row& row = m_rows.at(index);
    const int middle = y + kRowHeight / 2;
    painter.save();
    painter.setClipRect(
        QRect(kNameWidth, std::max(y, kRulerHeight), m_viewport.width() - kNameWidth, kRowHeight));
    painter.setRenderHint(QPainter::Antialiasing);
    int firstKey = 0;
    int lastKey = 0;
    bool bKeyed = false;
    if (row.shape >= 0) {
        const ZenubShapeTracks& tracks =
            scene.getLayers().at(row.layer).getShapes().at(row.shape).tracks();
        if (row.isProperty()) {
            tracks.visit(ZenubProperty(row.property), [&](const auto& track) {
                bKeyed = track.isKeyed();
                if (bKeyed) {
                    firstKey = track.keys().constFirst().frame;
                    lastKey = track.keys().constLast().frame;
                }
            });
        } else {
            bKeyed = tracks.keySpan(&firstKey, &lastKey);
        }
    }
    if (bKeyed) {
        if (lastKey > firstKey) {
            QColor span = TimelinePainting::animatedColor();
            span.setAlpha(110);
            // Clamped to the viewport: the span may reach far past it on either side.
            const int left = std::max(m_layout.frameX(firstKey), 0);
            const int right = std::min(m_layout.frameX(lastKey), m_viewport.width());
            if (right > left)
                painter.fillRect(QRect(left, middle - 3, right - left, 6), span);
        }
    }
    // Only the marks that can show: those in view, and while a drag runs those that land in it.
    const int reach = kMark + 1;
    const int first = m_layout.frameAtX(kNameWidth - reach);
    const int last = m_layout.frameAtX(m_viewport.width() + reach);
    QVector<int> frames = TimelineRows::framesIn(scene, row, first, last);
    if (m_dragDelta != 0) {
        frames += TimelineRows::framesIn(scene, row, first - m_dragDelta, last - m_dragDelta);
        std::sort(frames.begin(), frames.end());
        frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
    }
    for (const int frame : qAsConst(frames)) {
        const KeyframeRefs refs = m_layout.refsAt(&scene, index, frame);
        if (refs.isEmpty())
            continue;
        const bool bSelected = std::all_of(refs.cbegin(), refs.cend(),
                                           [this](const auto& ref) { return isSelected(ref); });
        const bool bEased = row.shape >= 0 && KeyframeEdits::isEased(scene, refs.constFirst());
        const int shift = bSelected ? m_dragDelta : 0;
        if (shift != 0) {
            painter.setPen(QPen(m_palette.highlight().color(), 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            TimelinePainting::drawKeyframe(painter, QPointF(m_layout.frameX(frame), middle), bEased,
                                           kMark);
        }
        painter.setPen(
            QPen(bSelected ? m_palette.highlightedText().color() : m_palette.base().color(), 1));
        painter.setBrush(bSelected ? m_palette.highlight() : m_palette.text());
        TimelinePainting::drawKeyframe(painter, QPointF(m_layout.frameX(frame + shift), middle),
                                       bEased, bSelected ? kMark + 1 : kMark);
    }
    painter.restore();
}
