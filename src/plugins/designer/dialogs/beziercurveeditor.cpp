// SPDX-License-Identifier: MIT
#include "beziercurveeditor.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// The square takes the middle half of the height, leaving room for overshooting points.
constexpr double kOvershoot = 0.5;
constexpr double kHandleRadius = 6;

QPointF clampPoint(const QPointF& point)
{
    return QPointF(std::clamp(point.x(), 0.0, 1.0),
                   std::clamp(point.y(), -kOvershoot, 1.0 + kOvershoot));
}

} // namespace

BezierCurveEditor::BezierCurveEditor(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(160, 160);
    setCursor(Qt::CrossCursor);
}

void BezierCurveEditor::setControlPoints(const QPointF& first, const QPointF& second)
{
    const QPointF a = clampPoint(first);
    const QPointF b = clampPoint(second);
    if (a == m_points[0] && b == m_points[1])
        return;
    m_points[0] = a;
    m_points[1] = b;
    update();
    emit controlPointsChanged();
}

QRectF BezierCurveEditor::square() const
{
    const double margin = 12;
    const double height = (this->height() - 2 * margin) / (1 + 2 * kOvershoot);
    const double side = std::max(10.0, std::min(width() - 2 * margin, height));
    return QRectF((width() - side) / 2, (this->height() - side) / 2, side, side);
}

QPointF BezierCurveEditor::toWidget(const QPointF& curve) const
{
    const QRectF box = square();
    return QPointF(box.left() + curve.x() * box.width(), box.bottom() - curve.y() * box.height());
}

QPointF BezierCurveEditor::toCurve(const QPointF& widget) const
{
    const QRectF box = square();
    return QPointF((widget.x() - box.left()) / box.width(),
                   (box.bottom() - widget.y()) / box.height());
}

void BezierCurveEditor::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QRectF box = square();
    painter.setPen(QPen(palette().mid().color(), 1, Qt::DashLine));
    painter.drawRect(box);
    painter.drawLine(box.bottomLeft(), box.topRight());

    const QPointF start = toWidget({0, 0});
    const QPointF end = toWidget({1, 1});
    const QPointF first = toWidget(m_points[0]);
    const QPointF second = toWidget(m_points[1]);
    painter.setPen(QPen(palette().dark().color(), 1));
    painter.drawLine(start, first);
    painter.drawLine(end, second);

    QPainterPath curve(start);
    curve.cubicTo(first, second, end);
    painter.setPen(QPen(palette().highlight().color(), 2.5));
    painter.drawPath(curve);

    painter.setPen(QPen(palette().text().color(), 1));
    for (int i = 0; i < 2; ++i) {
        painter.setBrush(i == m_dragged ? palette().highlight() : palette().button());
        painter.drawEllipse(toWidget(m_points[i]), kHandleRadius, kHandleRadius);
    }
}

void BezierCurveEditor::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The nearer handle wins, so overlapping handles can still be separated.
    double best = 3 * kHandleRadius;
    m_dragged = -1;
    for (int i = 0; i < 2; ++i) {
        const double distance = QLineF(toWidget(m_points[i]), event->localPos()).length();
        if (distance < best) {
            best = distance;
            m_dragged = i;
        }
    }
    update();
}

void BezierCurveEditor::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragged < 0)
        return;
    QPointF points[2] = {m_points[0], m_points[1]};
    points[m_dragged] = toCurve(event->localPos());
    setControlPoints(points[0], points[1]);
}

void BezierCurveEditor::mouseReleaseEvent(QMouseEvent*)
{
    m_dragged = -1;
    update();
}
