// SPDX-License-Identifier: MIT
#include "toolicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <functional>
#include <map>

namespace {

const QColor Main(0xd8, 0xd8, 0xd8);
const QColor Accent(0xf7, 0x94, 0x1d);
const QColor Dark(0x1e, 0x1e, 0x1e);

constexpr double Pi = 3.14159265358979323846;

QPen pen(const QColor& color, double width = 1.0)
{
    QPen result(color, width);
    result.setJoinStyle(Qt::MiterJoin);
    result.setCapStyle(Qt::SquareCap);
    return result;
}

QPolygonF polygon(std::initializer_list<QPointF> points)
{
    return QPolygonF(QVector<QPointF>(points));
}

// The pointer both selection tools share; the node tool shows it hollow.
QPolygonF arrow()
{
    return polygon({{5.5, 2.5},
                    {5.5, 19.5},
                    {9.5, 15.5},
                    {12.5, 21.5},
                    {15.5, 20.5},
                    {12.5, 14.5},
                    {18.5, 14.5}});
}

// A small square node of a path, centred on |at|.
void node(QPainter& p, const QPointF& at, const QColor& fill)
{
    p.setPen(pen(Dark));
    p.setBrush(fill);
    p.drawRect(QRectF(at.x() - 2, at.y() - 2, 4, 4));
}

} // namespace

QStringList ToolIcons::names()
{
    return {"tool_select",  "tool_node", "tool_rectangle", "tool_ellipse", "tool_polygon",
            "tool_pen",     "tool_text", "tool_hand",      "align_left",   "align_hcenter",
            "align_right",  "align_top", "align_vcenter",  "align_bottom", "distribute_h",
            "distribute_v", "group",     "ungroup",        "text_left",    "text_center",
            "text_right"};
}

bool ToolIcons::draw(QPainter& p, const QString& name)
{
    static const std::map<QString, std::function<void(QPainter&)>> glyphs = {
        {"tool_select", drawSelect},
        {"tool_node", drawNode},
        {"tool_rectangle", drawRectangle},
        {"tool_ellipse", drawEllipse},
        {"tool_polygon", drawPolygon},
        {"tool_pen", drawPen},
        {"tool_text", drawText},
        {"tool_hand", drawHand},
        {"align_left",
         [](QPainter& q) {
             drawAlign(q, 0);
         }},
        {"align_hcenter",
         [](QPainter& q) {
             drawAlign(q, 1);
         }},
        {"align_right",
         [](QPainter& q) {
             drawAlign(q, 2);
         }},
        {"align_top",
         [](QPainter& q) {
             drawAlign(q, 3);
         }},
        {"align_vcenter",
         [](QPainter& q) {
             drawAlign(q, 4);
         }},
        {"align_bottom",
         [](QPainter& q) {
             drawAlign(q, 5);
         }},
        {"distribute_h",
         [](QPainter& q) {
             drawDistribute(q, true);
         }},
        {"distribute_v",
         [](QPainter& q) {
             drawDistribute(q, false);
         }},
        {"group",
         [](QPainter& q) {
             drawGroup(q, true);
         }},
        {"ungroup",
         [](QPainter& q) {
             drawGroup(q, false);
         }},
        {"text_left",
         [](QPainter& q) {
             drawTextAlign(q, 0);
         }},
        {"text_center",
         [](QPainter& q) {
             drawTextAlign(q, 1);
         }},
        {"text_right",
         [](QPainter& q) {
             drawTextAlign(q, 2);
         }},
    };
    const auto found = glyphs.find(name);
    if (found == glyphs.end())
        return false;
    found->second(p);
    return true;
}

void ToolIcons::drawSelect(QPainter& p)
{
    p.setPen(pen(Dark));
    p.setBrush(Main);
    p.drawPolygon(arrow());
}

void ToolIcons::drawNode(QPainter& p)
{
    p.setPen(pen(Main));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(arrow());
    node(p, QPointF(18.5, 19.5), Accent);
}

void ToolIcons::drawRectangle(QPainter& p)
{
    p.setPen(pen(Main));
    p.setBrush(Accent);
    p.drawRect(QRectF(3.5, 5.5, 17, 13));
}

void ToolIcons::drawEllipse(QPainter& p)
{
    p.setPen(pen(Main));
    p.setBrush(Accent);
    p.drawEllipse(QRectF(2.5, 4.5, 19, 15));
}

void ToolIcons::drawPolygon(QPainter& p)
{
    // A five-pointed star, its first point straight up, as the tool draws it.
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 10.0 : 4.2;
        const double angle = -Pi / 2 + i * Pi / 5;
        star << QPointF(12 + radius * std::cos(angle), 13 + radius * std::sin(angle));
    }
    p.setPen(pen(Main));
    p.setBrush(Accent);
    p.drawPolygon(star);
}

void ToolIcons::drawPen(QPainter& p)
{
    // A nib pointing down to the left, with its slit and the hole above it.
    p.save();
    p.translate(12, 12);
    p.rotate(45);
    QPainterPath nib;
    nib.moveTo(0, 11);
    nib.lineTo(-5, 1);
    nib.lineTo(-3, -6);
    nib.lineTo(3, -6);
    nib.lineTo(5, 1);
    nib.closeSubpath();
    p.setPen(pen(Main));
    p.setBrush(Accent);
    p.drawPath(nib);
    p.setPen(pen(Dark, 1.2));
    p.drawLine(QPointF(0, 10), QPointF(0, 3));
    p.setBrush(Dark);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0, 1.5), 1.3, 1.3);
    p.setPen(pen(Main));
    p.setBrush(Main);
    p.drawRect(QRectF(-3, -10, 6, 3));
    p.restore();
}

void ToolIcons::drawText(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Main);
    p.drawRect(QRectF(4, 3, 16, 3));
    p.drawRect(QRectF(10.5, 3, 3, 17));
    p.drawRect(QRectF(4, 3, 2, 5));
    p.drawRect(QRectF(18, 3, 2, 5));
    p.setBrush(Accent);
    p.drawRect(QRectF(8, 19, 8, 2));
}

void ToolIcons::drawHand(QPainter& p)
{
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    // Four fingers, the middle ones longest, over a palm; the thumb leans out to the left.
    const double tops[] = {6, 3.5, 4, 6.5};
    for (int i = 0; i < 4; ++i)
        hand.addRoundedRect(QRectF(7 + i * 3, tops[i], 3, 13 - tops[i]), 1.5, 1.5);
    hand.addRoundedRect(QRectF(7, 10, 12, 11), 3, 3);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-1.5, -5.5, 3, 8), 1.5, 1.5);
    hand.addPath(QTransform().translate(6.5, 15).rotate(-40).map(thumb));
    p.setPen(pen(Dark));
    p.setBrush(Main);
    p.drawPath(hand.simplified());
}

void ToolIcons::drawAlign(QPainter& p, int edge)
{
    const bool horizontal = edge < 3;
    // Turned a quarter to the left, the grid's left edge lies at the bottom.
    const int where = horizontal ? edge : 5 - edge;
    // Two bars of different lengths lined up on one edge or centre, and that line.
    p.save();
    if (!horizontal) {
        p.translate(0, 24);
        p.rotate(-90);
    }
    const double line = where == 0 ? 3.5 : where == 1 ? 12 : 20.5;
    const double lengths[] = {15, 9};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 2; ++i) {
        const double length = lengths[i];
        const double left = where == 0 ? 4 : where == 1 ? 12 - length / 2 : 20 - length;
        p.setBrush(i == 0 ? Accent : Main);
        p.drawRect(QRectF(left, i == 0 ? 5 : 14, length, 5));
    }
    p.setPen(pen(Main));
    p.drawLine(QPointF(line, 2), QPointF(line, 21));
    p.restore();
}

void ToolIcons::drawDistribute(QPainter& p, bool horizontal)
{
    p.save();
    if (!horizontal) {
        p.translate(0, 24);
        p.rotate(-90);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawRect(QRectF(2, 6, 4, 12));
    p.setBrush(Main);
    p.drawRect(QRectF(10, 4, 4, 16));
    p.setBrush(Accent);
    p.drawRect(QRectF(18, 8, 4, 8));
    p.restore();
}

void ToolIcons::drawGroup(QPainter& p, bool grouped)
{
    p.setPen(pen(Main));
    p.setBrush(Accent);
    p.drawRect(QRectF(4.5, 4.5, 9, 9));
    p.setBrush(Main);
    p.drawEllipse(QRectF(10.5, 10.5, 9, 9));
    if (!grouped)
        return;
    // The dashed box the two now share.
    QPen dashed = pen(Main);
    dashed.setDashPattern({2, 2});
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, 21, 21));
}

void ToolIcons::drawTextAlign(QPainter& p, int where)
{
    // Lines of words of different lengths, lined up on the left, the middle or the right.
    const double lengths[] = {18, 12, 16, 9};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const double length = lengths[i];
        const double left = where == 0 ? 3 : where == 1 ? 12 - length / 2 : 21 - length;
        p.setBrush(i == 0 ? Accent : Main);
        p.drawRect(QRectF(left, 4 + i * 4.5, length, 2));
    }
}
