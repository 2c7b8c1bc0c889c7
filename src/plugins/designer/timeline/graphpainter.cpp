// SPDX-License-Identifier: MIT
#include "graphpainter.h"

#include "graphcurves.h"
#include "graphmapping.h"
#include "graphpicker.h"
#include "graphsegment.h"
#include "timelinelayout.h"
#include "timelinepainting.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

// A round step (1, 2 or 5 times a power of ten) with lines at least \a pixels apart.
double gridStep(double pixelsPerValue, double pixels)
{
    const double least = pixels / pixelsPerValue;
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= least)
            return factor * power;
    return 10 * power;
}

} // namespace

GraphPainter::GraphPainter(const GraphCurves& curves, const GraphMapping& mapping,
                           const GraphPicker& picker, const QPalette& palette)
    : m_curves(curves)
    , m_mapping(mapping)
    , m_picker(picker)
    , m_palette(palette)
{}

void GraphPainter::paint(QPainter& painter, const QRect& rect, int duration, int frame,
                         const TimeFormat& format) const
{
    painter.fillRect(rect, m_palette.base());
    // Frames past the scene's end are greyed, as in the rows.
    const int end = int(m_mapping.x(duration - 0.5));
    if (end < rect.right())
        painter.fillRect(QRect(std::max(end, kAxisWidth), 0, rect.right() - end + 1, rect.height()),
                         QColor(128, 128, 128, 60));
    paintGrid(painter, rect);
    painter.save();
    painter.setClipRect(m_mapping.plot().adjusted(-8, -8, 8, 8));
    painter.setRenderHint(QPainter::Antialiasing);
    for (int curve = 0; curve < m_curves.count(); ++curve)
        paintCurve(painter, curve);
    painter.restore();
    paintRuler(painter, rect, duration, format);
    const int x = int(std::lround(m_mapping.x(frame)));
    if (x >= kAxisWidth)
        TimelinePainting::drawMarker(painter, x, TimelineLayout::kRulerHeight, rect.bottom());
    paintLegend(painter);
}

void GraphPainter::paintGrid(QPainter& painter, const QRect& rect) const
{
    const QRectF plot = m_mapping.plot();
    painter.fillRect(QRect(0, 0, kAxisWidth, rect.height()), m_palette.window());
    const double step = gridStep(m_mapping.pixelsPerValue(), 28);
    const double low = m_mapping.valueAt(plot.bottom() + 20);
    const double high = m_mapping.valueAt(plot.top() - 20);
    painter.save();
    painter.setClipRect(QRect(0, TimelineLayout::kRulerHeight, rect.width(), rect.height()));
    for (double value = std::ceil(low / step) * step; value <= high; value += step) {
        const int y = int(std::lround(m_mapping.y(value)));
        painter.setPen(m_palette.midlight().color());
        painter.drawLine(kAxisWidth, y, rect.right(), y);
        painter.setPen(m_palette.windowText().color());
        // A value near zero prints as 0, not as a rounding error.
        const double shown = std::abs(value) < step / 1000 ? 0 : value;
        painter.drawText(QRect(2, y - 10, kAxisWidth - 6, 20), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(shown, 'g', 6));
    }
    painter.restore();
    painter.setPen(m_palette.mid().color());
    painter.drawLine(kAxisWidth - 1, 0, kAxisWidth - 1, rect.height());
}

void GraphPainter::paintRuler(QPainter& painter, const QRect& rect, int duration,
                              const TimeFormat& format) const
{
    const int height = TimelineLayout::kRulerHeight;
    painter.fillRect(QRect(0, 0, kAxisWidth, height), m_palette.button());
    const int first = std::max(0, int(std::floor(m_mapping.frameAt(kAxisWidth))));
    const int last = std::min(duration - 1, int(std::ceil(m_mapping.frameAt(rect.right()))));
    TimelinePainting::drawRuler(painter, m_palette,
                                QRect(kAxisWidth, 0, rect.width() - kAxisWidth, height), first,
                                last, m_mapping.pixelsPerFrame(), format,
                                [this](int frame) { return int(std::lround(m_mapping.x(frame))); });
    painter.setPen(m_palette.mid().color());
    painter.drawLine(0, height - 1, rect.right(), height - 1);
}

void GraphPainter::paintCurve(QPainter& painter, int index) const
{
    const GraphCurves::Curve& curve = m_curves.at(index);
    const QRectF plot = m_mapping.plot();
    // One point a pixel follows every easing, holds as steps.
    QPainterPath path;
    for (double x = plot.left() - 8; x <= plot.right() + 8; x += 1) {
        const QPointF point(x, m_mapping.y(curve.valueAt(m_mapping.frameAt(x))));
        if (x == plot.left() - 8)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    painter.setPen(QPen(curve.colour, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);

    for (int key = 0; key < curve.keys.size(); ++key) {
        if (!m_picker.showsHandles(index, key))
            continue;
        const QPointF ends[] = {m_picker.keyPoint(index, key), m_picker.keyPoint(index, key + 1)};
        for (const int handle : {0, 1}) {
            const QPointF at = m_picker.handlePoint(index, key, handle);
            painter.setPen(QPen(m_palette.text().color(), 1, Qt::DashLine));
            painter.drawLine(ends[handle], at);
            painter.setPen(QPen(curve.colour, 1.5));
            painter.setBrush(m_palette.base());
            painter.drawEllipse(at, 4, 4);
        }
    }
    for (int key = 0; key < curve.keys.size(); ++key) {
        const bool bSelected = m_picker.isSelected(index, key);
        painter.setPen(QPen(bSelected ? m_palette.highlightedText().color() : curve.colour, 1));
        painter.setBrush(bSelected ? m_palette.highlight() : m_palette.text());
        TimelinePainting::drawKeyframe(painter, m_picker.keyPoint(index, key), false,
                                       bSelected ? TimelineLayout::kMark + 1
                                                 : TimelineLayout::kMark);
    }
}

void GraphPainter::paintLegend(QPainter& painter) const
{
    const QFontMetrics metrics = painter.fontMetrics();
    int y = TimelineLayout::kRulerHeight + 4;
    const int x = kAxisWidth + 8;
    int widest = 0;
    for (int index = 0; index < m_curves.count(); ++index)
        widest = std::max(widest, metrics.horizontalAdvance(m_curves.at(index).title));
    // The titles stay readable over the curves.
    QColor backdrop = m_palette.base().color();
    backdrop.setAlpha(190);
    if (!m_curves.isEmpty())
        painter.fillRect(
            QRect(x - 4, y - 2, widest + 28, m_curves.count() * (metrics.height() + 2) + 4),
            backdrop);
    for (int index = 0; index < m_curves.count(); ++index) {
        const GraphCurves::Curve& curve = m_curves.at(index);
        painter.fillRect(QRect(x, y + metrics.height() / 2 - 2, 12, 4), curve.colour);
        painter.setPen(m_palette.text().color());
        painter.drawText(QPoint(x + 18, y + metrics.ascent()), curve.title);
        y += metrics.height() + 2;
    }
}
