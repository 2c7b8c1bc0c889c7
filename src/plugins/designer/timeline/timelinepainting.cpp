// SPDX-License-Identifier: MIT
#include "timelinepainting.h"

#include "timeformat.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace TimelinePainting {

QColor animatedColor()
{
    return QColor(0xf0, 0x9a, 0x1a);
}

void drawKeyframe(QPainter& painter, const QPointF& centre, bool bEased, double size)
{
    if (bEased) {
        painter.drawEllipse(centre, size, size);
        return;
    }
    QPainterPath diamond;
    diamond.moveTo(centre.x(), centre.y() - size);
    diamond.lineTo(centre.x() + size, centre.y());
    diamond.lineTo(centre.x(), centre.y() + size);
    diamond.lineTo(centre.x() - size, centre.y());
    diamond.closeSubpath();
    painter.drawPath(diamond);
}

void drawRuler(QPainter& painter, const QPalette& palette, const QRect& ruler, int first, int last,
               double frameWidth, const TimeFormat& format, const std::function<int(int)>& frameX)
{
    painter.save();
    painter.fillRect(ruler, palette.button());
    painter.setPen(palette.buttonText().color());
    painter.setClipRect(ruler);
    // Labels far enough apart for their text, on round numbers.
    const int step = format.labelStep(frameWidth, format.isSeconds() ? 56 : 40);
    // Ticks on every frame while they stand apart, else on the labels' halves or tenths.
    const int tick = frameWidth >= 6  ? 1
                     : step % 10 == 0 ? step / 10
                     : step % 2 == 0  ? step / 2
                                      : step;
    first -= first % tick;
    for (int frame = first; frame <= last; frame += tick) {
        const int x = frameX(frame);
        const bool bLabel = frame % step == 0;
        painter.drawLine(x, ruler.bottom() - (bLabel ? 6 : 2), x, ruler.bottom());
        if (bLabel)
            painter.drawText(QRect(x + 2, ruler.top(), 80, ruler.height() - 6), Qt::AlignBottom,
                             format.label(frame));
    }
    painter.restore();
}

void drawMarker(QPainter& painter, int x, int rulerHeight, int bottom)
{
    const QColor red(0xd9, 0x30, 0x25);
    painter.save();
    painter.setPen(QPen(red, 1));
    painter.drawLine(x, rulerHeight, x, bottom);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath head;
    head.addRoundedRect(QRectF(x - 6, 3, 12, rulerHeight - 8), 2, 2);
    head.moveTo(x - 4, rulerHeight - 5);
    head.lineTo(x, rulerHeight);
    head.lineTo(x + 4, rulerHeight - 5);
    painter.fillPath(head, red);
    painter.restore();
}

void drawRowHeader(QPainter& painter, const QPalette& palette, const QRect& rect,
                   const QString& title, RowDepth depth, Disclosure disclosure, bool bDimmed,
                   bool bAnimated, bool bHighlighted)
{
    const bool bLayer = depth == RowDepth::Layer;
    painter.save();
    painter.fillRect(rect, bLayer ? palette.button() : palette.window());
    if (bHighlighted) {
        QColor tint = palette.highlight().color();
        tint.setAlpha(70);
        painter.fillRect(rect, tint);
    }
    QFont font = painter.font();
    font.setBold(bLayer);
    painter.setFont(font);
    const int indent = bLayer ? 6 : depth == RowDepth::Shape ? 20 : 34;
    if (disclosure != Disclosure::None) {
        // A triangle pointing right while closed, down while open.
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.windowText());
        const QPointF c(rect.left() + kDisclosureWidth / 2.0 + 1, rect.center().y() + 0.5);
        QPainterPath arrow;
        if (disclosure == Disclosure::Open) {
            arrow.moveTo(c + QPointF(-4, -2));
            arrow.lineTo(c + QPointF(4, -2));
            arrow.lineTo(c + QPointF(0, 3));
        } else {
            arrow.moveTo(c + QPointF(-2, -4));
            arrow.lineTo(c + QPointF(3, 0));
            arrow.lineTo(c + QPointF(-2, 4));
        }
        arrow.closeSubpath();
        painter.drawPath(arrow);
        painter.restore();
    }
    const int markWidth = 22;
    painter.setPen(bDimmed ? palette.mid().color() : palette.windowText().color());
    painter.drawText(
        rect.adjusted(indent, 0, -markWidth, 0), Qt::AlignVCenter,
        painter.fontMetrics().elidedText(title, Qt::ElideRight, rect.width() - indent - markWidth));
    if (bAnimated) {
        // The same colour as the span between the keyframes: this shape moves.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(animatedColor());
        const QPointF centre(rect.right() - 12, rect.center().y());
        drawKeyframe(painter, centre + QPointF(-3, -2), false, 4);
        drawKeyframe(painter, centre + QPointF(3, 2), false, 4);
    }
    painter.restore();
}

} // namespace TimelinePainting
