// SPDX-License-Identifier: MIT
#include "paintbrush.h"

#include "model/project/zenubstroke.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

QColor faded(QColor color, double opacity)
{
    color.setAlphaF(color.alphaF() * std::clamp(opacity, 0.0, 1.0));
    return color;
}

QPointF place(const QPointF& relative, const QRectF& box)
{
    return QPointF(box.x() + relative.x() * box.width(), box.y() + relative.y() * box.height());
}

} // namespace

QBrush PaintBrush::brush(const ZenubPaint& paint, const QRectF& box)
{
    if (!paint.isGradient())
        return QBrush(faded(paint.getColor(), paint.getOpacity()));
    const QPointF start = place(paint.getStart(), box);
    const QPointF end = place(paint.getEnd(), box);
    if (paint.getStops().isEmpty() || start == end)
        return Qt::NoBrush;
    QGradientStops stops;
    double last = -1;
    for (const ZenubGradientStop& stop : paint.getStops()) {
        // Qt keeps one stop per offset; a hair further on keeps the sharp change.
        const double offset = std::min(1.0, std::max(stop.offset, last + 1e-6));
        stops.append({offset, faded(stop.color, paint.getOpacity())});
        last = offset;
    }
    if (paint.getType() == ZenubPaint::Type::LinearGradient) {
        QLinearGradient gradient(start, end);
        gradient.setStops(stops);
        return QBrush(gradient);
    }
    QRadialGradient gradient(start, std::hypot(end.x() - start.x(), end.y() - start.y()));
    gradient.setStops(stops);
    return QBrush(gradient);
}

QPen PaintBrush::pen(const ZenubStroke& stroke, const QRectF& box)
{
    if (!stroke.isVisible())
        return Qt::NoPen;
    const double width = stroke.getWidth();
    QPen pen(brush(stroke.getPaint(), box), width);
    switch (stroke.getCap()) {
    case ZenubStroke::Cap::Flat:
        pen.setCapStyle(Qt::FlatCap);
        break;
    case ZenubStroke::Cap::Square:
        pen.setCapStyle(Qt::SquareCap);
        break;
    case ZenubStroke::Cap::Round:
        pen.setCapStyle(Qt::RoundCap);
        break;
    }
    switch (stroke.getJoin()) {
    case ZenubStroke::Join::Miter:
        pen.setJoinStyle(Qt::SvgMiterJoin);
        break;
    case ZenubStroke::Join::Bevel:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case ZenubStroke::Join::Round:
        pen.setJoinStyle(Qt::RoundJoin);
        break;
    }
    pen.setMiterLimit(stroke.getMiterLimit());
    if (stroke.isDashed()) {
        // Qt counts dashes in pen widths and wants pairs; a dash of 0 would stop its dasher.
        QVector<qreal> pattern;
        const QVector<double>& dashes = stroke.getDashes();
        const int count = dashes.size() % 2 ? dashes.size() * 2 : dashes.size();
        for (int i = 0; i < count; ++i)
            pattern.append(std::max(dashes.at(i % dashes.size()), 1e-3) / width);
        pen.setDashPattern(pattern);
        pen.setDashOffset(stroke.getDashOffset() / width);
    }
    return pen;
}
