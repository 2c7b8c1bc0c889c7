// SPDX-License-Identifier: MIT
#include "iconpainter.h"

#include "toolicons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <map>

namespace {

const QColor Main(0xd8, 0xd8, 0xd8);
const QColor Accent(0xf7, 0x94, 0x1d);
const QColor InfoBlue(0x3d, 0x8f, 0xd6);
const QColor WarningYellow(0xf7, 0xb5, 0x00);
const QColor CriticalRed(0xe0, 0x43, 0x43);
const QColor GlyphLight(0xff, 0xff, 0xff);
const QColor GlyphDark(0x1e, 0x1e, 0x1e);
const QColor PageFill(0xf2, 0xf2, 0xf2);
const QColor PageEdge(0x80, 0x80, 0x80);

constexpr double Pi = 3.14159265358979323846;

// Pen for straight glyph strokes: square corners so outlines stay on the pixel grid.
QPen strokePen(const QColor& color, double width = 1.0, Qt::PenCapStyle cap = Qt::SquareCap)
{
    QPen pen(color, width);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(cap);
    return pen;
}

QPolygonF polygon(std::initializer_list<QPointF> points)
{
    return QPolygonF(QVector<QPointF>(points));
}

// Removes everything already drawn inside |path| so an overlapping part stands apart.
void knockOut(QPainter& p, const QPainterPath& path)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillPath(path, Qt::transparent);
    p.restore();
}

// At exactly one pixel per unit a thin diagonal cross is set pixel by pixel, which reads
// sharper than an antialiased line; larger sizes keep smooth lines.
bool drawPixelCross(QPainter& p, int x, int y, int n, const QColor& color)
{
    const QTransform t = p.transform();
    if (!qFuzzyCompare(t.m11(), 1.0) || !qFuzzyCompare(t.m22(), 1.0))
        return false;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    for (int i = 0; i < n; ++i) {
        p.drawRect(QRectF(x + i, y + i, 1, 1));
        if (x + n - 1 - i != x + i)
            p.drawRect(QRectF(x + n - 1 - i, y + i, 1, 1));
    }
    p.restore();
    return true;
}

struct Glyph
{
    int grid; // design units across the icon
    std::function<void(QPainter&)> draw;
};

} // namespace

QStringList IconPainter::names()
{
    return QStringList{"new",         "open",     "save",        "save_all", "save_close",
                       "preferences", "language", "information", "warning",  "question",
                       "critical",    "update",   "close",       "minimize", "maximize",
                       "restore",     "icon",     "project"} +
           ToolIcons::names();
}

bool IconPainter::hasIcon(const QString& name)
{
    return names().contains(name);
}

QStringList IconPainter::shadowPieces()
{
    return {"top",      "bottom",    "left",        "right",
            "top_left", "top_right", "bottom_left", "bottom_right"};
}

QImage IconPainter::render(const QString& name, int size, bool disabled)
{
    static const std::map<QString, Glyph> glyphs = {
        {"new", {16, drawNew}},
        {"open", {16, drawOpen}},
        {"save", {16, drawSave}},
        {"save_all", {16, drawSaveAll}},
        {"save_close", {16, drawSaveClose}},
        {"preferences", {16, drawPreferences}},
        {"language", {16, drawLanguage}},
        {"information", {16, drawInformation}},
        {"warning", {16, drawWarning}},
        {"question", {16, drawQuestion}},
        {"critical", {16, drawCritical}},
        {"update", {32, drawUpdate}},
        {"close", {16, drawClose}},
        {"minimize", {16, drawMinimize}},
        {"maximize", {16, drawMaximize}},
        {"restore", {16, drawRestore}},
    };

    if (size <= 0 || !hasIcon(name))
        return QImage();

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        if (name == "icon") {
            drawMark(p, QRect(0, 0, size, size));
        } else if (name == "project") {
            drawProject(p, size);
        } else if (ToolIcons::names().contains(name)) {
            const double scale = double(size) / ToolIcons::Grid;
            p.scale(scale, scale);
            ToolIcons::draw(p, name);
        } else {
            const Glyph& glyph = glyphs.at(name);
            const double scale = double(size) / glyph.grid;
            p.scale(scale, scale);
            glyph.draw(p);
        }
    }
    return disabled ? toDisabled(image) : image;
}

QImage IconPainter::toDisabled(const QImage& image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            const int grey = qGray(c);
            line[x] = qRgba(grey, grey, grey, qRound(qAlpha(c) * 0.4));
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage IconPainter::renderShadow(const QString& piece)
{
    if (!shadowPieces().contains(piece))
        return QImage();

    const int t = ShadowThickness;
    QImage image(t, t, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    // Opacity falls off quadratically with the distance from the window edge.
    auto setStops = [](QGradient& g) {
        const int steps = 16;
        for (int i = 0; i <= steps; ++i) {
            const double d = double(i) / steps;
            const double a = 0.42 * (1.0 - d) * (1.0 - d);
            g.setColorAt(d, QColor(0, 0, 0, qRound(a * 255)));
        }
    };

    const bool top = piece.startsWith("top");
    const bool bottom = piece.startsWith("bottom");
    const bool left = piece.endsWith("left");
    const bool right = piece.endsWith("right");

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    if ((top || bottom) && (left || right)) {
        // Corner: the window's corner point touches this piece's inner corner.
        const QPointF inner(left ? t : 0, top ? t : 0);
        QRadialGradient g(inner, t);
        setStops(g);
        p.fillRect(image.rect(), g);
    } else {
        QPointF from;
        QPointF to;
        if (top) {
            from = QPointF(0, t);
            to = QPointF(0, 0);
        } else if (bottom) {
            from = QPointF(0, 0);
            to = QPointF(0, t);
        } else if (left) {
            from = QPointF(t, 0);
            to = QPointF(0, 0);
        } else {
            from = QPointF(0, 0);
            to = QPointF(t, 0);
        }
        QLinearGradient g(from, to);
        setStops(g);
        p.fillRect(image.rect(), g);
    }
    return image;
}

void IconPainter::drawMark(QPainter& p, const QRect& rect)
{
    const int s = qMin(rect.width(), rect.height());
    const int margin = s / 16;
    const QRectF box(rect.x() + margin, rect.y() + margin, s - 2 * margin, s - 2 * margin);
    const double radius = box.width() * 0.22;

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    if (s >= 48) {
        QLinearGradient g(box.topLeft(), box.bottomLeft());
        g.setColorAt(0, Accent.lighter(112));
        g.setColorAt(1, Accent.darker(108));
        p.setBrush(g);
    } else {
        p.setBrush(Accent);
    }
    p.drawRoundedRect(box, radius, radius);

    // The "Z": two bars joined by a slanted stroke whose ends are cut flush with the bars.
    const int inset = qRound(s * 0.27);
    const double l = rect.x() + inset;
    const double r = rect.x() + s - inset;
    const double tp = rect.y() + inset;
    const double b = rect.y() + s - inset;
    const double bar = qMax(1, qRound(s * 0.13));
    const double slant = bar * 1.45;
    const QPolygonF z = polygon({{l, tp},
                                 {r, tp},
                                 {r, tp + bar},
                                 {l + slant, b - bar},
                                 {r, b - bar},
                                 {r, b},
                                 {l, b},
                                 {l, b - bar},
                                 {r - slant, tp + bar},
                                 {l, tp + bar}});
    p.setBrush(GlyphLight);
    p.drawPolygon(z);
    p.restore();
}

void IconPainter::drawProject(QPainter& p, int size)
{
    const double u = size / 16.0;
    const int lw = qMax(1, qRound(u / 2));
    const double half = lw / 2.0;
    const int left = qRound(2 * u);
    const int right = size - qRound(3 * u);
    const int top = qRound(0.5 * u);
    const int bottom = size - qRound(0.5 * u);
    const int fold = qRound(4 * u);

    QPainterPath page;
    page.moveTo(left + half, top + half);
    page.lineTo(right - fold, top + half);
    page.lineTo(right - half, top + fold);
    page.lineTo(right - half, bottom - half);
    page.lineTo(left + half, bottom - half);
    page.closeSubpath();

    p.save();
    p.setBrush(PageFill);
    p.setPen(strokePen(PageEdge, lw));
    p.drawPath(page);
    p.setBrush(PageEdge.lighter(150));
    p.drawPolygon(polygon({{right - fold + 0.0, top + half},
                           {right - fold + 0.0, top + fold + 0.0},
                           {right - half, top + fold + 0.0}}));
    p.restore();

    const int markSize = qRound(size * 9 / 16.0);
    drawMark(p, QRect(size - markSize, size - markSize, markSize, markSize));
}

void IconPainter::drawNew(QPainter& p)
{
    p.setPen(strokePen(Main));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(polygon({{3.5, 1.5}, {9.5, 1.5}, {12.5, 4.5}, {12.5, 14.5}, {3.5, 14.5}}));
    p.drawPolyline(polygon({{9.5, 1.5}, {9.5, 4.5}, {12.5, 4.5}}));

    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawRect(QRectF(7, 7, 2, 6));
    p.drawRect(QRectF(5, 9, 6, 2));
}

void IconPainter::drawOpen(QPainter& p)
{
    p.setPen(strokePen(Main));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(
        polygon({{12.5, 7}, {12.5, 4.5}, {7.5, 4.5}, {5.5, 2.5}, {1.5, 2.5}, {1.5, 13.5}}));

    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawPolygon(polygon({{4, 7}, {15.5, 7}, {12.5, 14}, {1, 14}}));
}

void IconPainter::drawFloppy(QPainter& p, int x, int y, int n)
{
    p.setPen(strokePen(Main));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(polygon({{x + 0.5, y + 0.5},
                           {x + n - 2.5, y + 0.5},
                           {x + n - 0.5, y + 2.5},
                           {x + n - 0.5, y + n - 0.5},
                           {x + 0.5, y + n - 0.5}}));
    p.drawPolyline(polygon(
        {{x + 3.5, y + 0.5}, {x + 3.5, y + 3.5}, {x + n - 4.5, y + 3.5}, {x + n - 4.5, y + 0.5}}));

    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawRect(QRectF(x + 3, y + n - 5, n - 6, 4));
}

void IconPainter::drawSave(QPainter& p)
{
    drawFloppy(p, 2, 2, 12);
}

void IconPainter::drawSaveAll(QPainter& p)
{
    // Back disk: outline only, most of it hidden by the front one.
    p.setPen(strokePen(Main));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(polygon({{4.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 11.5}, {4.5, 11.5}}));

    QPainterPath gap;
    gap.addRect(QRectF(0, 3, 13, 13));
    knockOut(p, gap);
    drawFloppy(p, 1, 4, 11);
}

void IconPainter::drawSaveClose(QPainter& p)
{
    drawFloppy(p, 1, 1, 12);

    QPainterPath badge;
    badge.addRoundedRect(QRectF(8.5, 8.5, 8, 8), 1.5, 1.5);
    knockOut(p, badge);

    if (drawPixelCross(p, 10, 10, 5, Accent))
        return;
    p.setPen(strokePen(Accent, 1.6, Qt::FlatCap));
    p.drawLine(QPointF(10, 10), QPointF(15, 15));
    p.drawLine(QPointF(15, 10), QPointF(10, 15));
}

void IconPainter::drawPreferences(QPainter& p)
{
    const QPointF c(8, 8);
    const int teeth = 8;
    const double outer = 7.0;
    const double root = 5.2;
    const double tipHalf = 1.0;
    const double baseHalf = 1.6;

    QPolygonF gear;
    for (int i = 0; i < teeth; ++i) {
        const double a = i * 2 * Pi / teeth;
        const double ca = std::cos(a);
        const double sa = std::sin(a);
        auto at = [&](double along, double across) {
            return QPointF(c.x() + along * ca - across * sa, c.y() + along * sa + across * ca);
        };
        const double baseAlong = std::sqrt(root * root - baseHalf * baseHalf);
        gear << at(baseAlong, -baseHalf) << at(outer, -tipHalf) << at(outer, tipHalf)
             << at(baseAlong, baseHalf);
        // Root arc up to the next tooth.
        const double from = a + std::atan2(baseHalf, baseAlong);
        const double to = a + 2 * Pi / teeth - std::atan2(baseHalf, baseAlong);
        for (int k = 1; k < 4; ++k) {
            const double t = from + (to - from) * k / 4;
            gear << QPointF(c.x() + root * std::cos(t), c.y() + root * std::sin(t));
        }
    }

    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(gear);
    path.closeSubpath();
    path.addEllipse(c, 2.3, 2.3);

    p.setPen(Qt::NoPen);
    p.setBrush(Main);
    p.drawPath(path);
}

void IconPainter::drawLanguage(QPainter& p)
{
    p.setPen(strokePen(Main, 1.0, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.drawEllipse(QPointF(8, 8), 2.5, 6.5);
    p.drawLine(QPointF(2, 5.5), QPointF(14, 5.5));
    p.drawLine(QPointF(2, 10.5), QPointF(14, 10.5));
}

void IconPainter::drawInformation(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(InfoBlue);
    p.drawEllipse(QPointF(8, 8), 7, 7);
    p.setBrush(GlyphLight);
    p.drawRect(QRectF(7, 4, 2, 2));
    p.drawRect(QRectF(7, 7, 2, 5));
}

void IconPainter::drawWarning(QPainter& p)
{
    QPen edge(WarningYellow, 1.0);
    edge.setJoinStyle(Qt::RoundJoin);
    p.setPen(edge);
    p.setBrush(WarningYellow);
    p.drawPolygon(polygon({{8, 1.5}, {14.5, 13.5}, {1.5, 13.5}}));

    p.setPen(Qt::NoPen);
    p.setBrush(GlyphDark);
    p.drawRect(QRectF(7, 5, 2, 5));
    p.drawRect(QRectF(7, 11, 2, 2));
}

void IconPainter::drawQuestion(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(InfoBlue);
    p.drawEllipse(QPointF(8, 8), 7, 7);

    const QRectF bowl(5.5, 3.5, 5, 5);
    QPainterPath hook;
    hook.arcMoveTo(bowl, 165);
    hook.arcTo(bowl, 165, -255);
    hook.lineTo(8, 10);
    QPen pen(GlyphLight, 2.0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);

    p.setPen(Qt::NoPen);
    p.setBrush(GlyphLight);
    p.drawRect(QRectF(7, 11, 2, 2));
}

void IconPainter::drawCritical(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(CriticalRed);
    p.drawEllipse(QPointF(8, 8), 7, 7);
    p.setPen(strokePen(GlyphLight, 2.0, Qt::FlatCap));
    p.drawLine(QPointF(5, 5), QPointF(11, 11));
    p.drawLine(QPointF(11, 5), QPointF(5, 11));
}

void IconPainter::drawArcArrow(QPainter& p, const QPointF& center, double radius, double startDeg,
                               double sweepDeg)
{
    const QRectF circle(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(circle, startDeg);
    arc.arcTo(circle, startDeg, sweepDeg);
    p.setPen(strokePen(Main, 2.0, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);

    // Head at the start of the arc, pointing clockwise (screen coordinates, y down).
    const double a = startDeg * Pi / 180.0;
    const QPointF at(center.x() + radius * std::cos(a), center.y() - radius * std::sin(a));
    const QPointF along(std::sin(a), std::cos(a));
    const QPointF out(std::cos(a), -std::sin(a));
    p.setPen(Qt::NoPen);
    p.setBrush(Main);
    p.drawPolygon(polygon({at + out * 3.2, at + along * 4.0, at - out * 3.2}));
}

void IconPainter::drawUpdate(QPainter& p)
{
    const QPointF c(16, 16);
    drawArcArrow(p, c, 12, 50, 120);
    drawArcArrow(p, c, 12, 230, 120);

    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawRect(QRectF(14, 8, 4, 9));
    p.drawPolygon(polygon({{9.5, 16}, {22.5, 16}, {16, 23.5}}));
}

void IconPainter::drawClose(QPainter& p)
{
    if (drawPixelCross(p, 3, 3, 10, Main))
        return;
    p.setPen(strokePen(Main, 1.0, Qt::FlatCap));
    p.drawLine(QPointF(3, 3), QPointF(13, 13));
    p.drawLine(QPointF(13, 3), QPointF(3, 13));
}

void IconPainter::drawMinimize(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Main);
    p.drawRect(QRectF(3, 8, 10, 1));
}

void IconPainter::drawMaximize(QPainter& p)
{
    p.setPen(strokePen(Main));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3.5, 3.5, 9, 9));
}

void IconPainter::drawRestore(QPainter& p)
{
    p.setPen(strokePen(Main));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3.5, 5.5, 7, 7));
    p.setPen(strokePen(Main, 1.0, Qt::FlatCap));
    p.drawPolyline(polygon({{5.5, 5.5}, {5.5, 3.5}, {12.5, 3.5}, {12.5, 10.5}, {10.5, 10.5}}));
}
