// SPDX-License-Identifier: MIT
#include "styleglyphs.h"

#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPixmap>
#include <QPolygonF>

namespace {

// Drawn on a 16-unit grid.
QPolygonF triangle(qreal tipX, qreal baseX)
{
    return QPolygonF({QPointF(baseX, 3), QPointF(tipX, 8), QPointF(baseX, 13)});
}

QPixmap glyphPixmap(QStyle::StandardPixmap glyph, int edge, const QColor& colour)
{
    QPixmap pixmap(edge, edge);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    StyleGlyphs::paint(&painter, glyph, edge, colour);
    return pixmap;
}

} // namespace

bool StyleGlyphs::draws(QStyle::StandardPixmap glyph)
{
    switch (glyph) {
    case QStyle::SP_MediaPlay:
    case QStyle::SP_MediaPause:
    case QStyle::SP_MediaSkipBackward:
    case QStyle::SP_MediaSkipForward:
    case QStyle::SP_MediaSeekBackward:
    case QStyle::SP_MediaSeekForward:
    case QStyle::SP_TitleBarCloseButton:
    case QStyle::SP_DockWidgetCloseButton:
    case QStyle::SP_TitleBarNormalButton:
        return true;
    default:
        return false;
    }
}

void StyleGlyphs::paint(QPainter* painter, QStyle::StandardPixmap glyph, int edge,
                        const QColor& colour)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->scale(edge / 16.0, edge / 16.0);
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    switch (glyph) {
    case QStyle::SP_MediaPlay:
        painter->drawPolygon(triangle(13, 4));
        break;
    case QStyle::SP_MediaPause:
        painter->drawRect(QRectF(4, 3, 3, 10));
        painter->drawRect(QRectF(9, 3, 3, 10));
        break;
    case QStyle::SP_MediaSkipBackward:
        painter->drawRect(QRectF(3, 3, 2, 10));
        painter->drawPolygon(triangle(5, 13));
        break;
    case QStyle::SP_MediaSkipForward:
        painter->drawPolygon(triangle(11, 3));
        painter->drawRect(QRectF(11, 3, 2, 10));
        break;
    case QStyle::SP_MediaSeekBackward:
        painter->drawPolygon(triangle(2, 8));
        painter->drawPolygon(triangle(8, 14));
        break;
    case QStyle::SP_MediaSeekForward:
        painter->drawPolygon(triangle(8, 2));
        painter->drawPolygon(triangle(14, 8));
        break;
    case QStyle::SP_TitleBarCloseButton:
    case QStyle::SP_DockWidgetCloseButton:
        painter->setPen(QPen(colour, 1.5));
        painter->drawLine(QLineF(4, 4, 12, 12));
        painter->drawLine(QLineF(12, 4, 4, 12));
        break;
    case QStyle::SP_TitleBarNormalButton:
        painter->setPen(QPen(colour, 1.2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(3.5, 6.5, 6, 6));
        painter->drawPolyline(QPolygonF({QPointF(6.5, 6.5), QPointF(6.5, 3.5), QPointF(12.5, 3.5),
                                         QPointF(12.5, 9.5), QPointF(9.5, 9.5)}));
        break;
    default:
        break;
    }
    painter->restore();
}

QIcon StyleGlyphs::icon(QStyle::StandardPixmap glyph, const QPalette& palette)
{
    QIcon icon;
    const QColor normal = palette.color(QPalette::Active, QPalette::ButtonText);
    const QColor disabled = palette.color(QPalette::Disabled, QPalette::ButtonText);
    for (const int edge : {16, 24, 32, 48}) {
        icon.addPixmap(glyphPixmap(glyph, edge, normal), QIcon::Normal);
        icon.addPixmap(glyphPixmap(glyph, edge, disabled), QIcon::Disabled);
    }
    return icon;
}
