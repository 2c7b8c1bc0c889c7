// SPDX-License-Identifier: MIT
#include "gradientstopsbar.h"

#include <QColorDialog>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const double kMarker = 6.0;

} // namespace

GradientStopsBar::GradientStopsBar(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(28);
    setToolTip(tr("Click to add a stop, drag a stop to move it, double-click it for its colour, "
                  "Delete to remove it"));
}

QSize GradientStopsBar::sizeHint() const
{
    return QSize(160, 30);
}

QSize GradientStopsBar::minimumSizeHint() const
{
    return QSize(60, 28);
}

void GradientStopsBar::setStops(const QVector<ZenubGradientStop>& stops)
{
    if (m_bDragging)
        return;
    m_stops = stops;
    if (m_current >= m_stops.size())
        m_current = m_stops.isEmpty() ? -1 : 0;
    if (m_current < 0 && !m_stops.isEmpty())
        m_current = 0;
    update();
}

void GradientStopsBar::setCurrentStop(int index)
{
    if (index == m_current || index < -1 || index >= m_stops.size())
        return;
    m_current = index;
    update();
    emit currentStopChanged(index);
}

QColor GradientStopsBar::colorAt(const QVector<ZenubGradientStop>& stops, double offset)
{
    if (stops.isEmpty())
        return QColor();
    if (offset <= stops.constFirst().offset)
        return stops.constFirst().color;
    for (int i = 1; i < stops.size(); ++i) {
        const ZenubGradientStop& a = stops.at(i - 1);
        const ZenubGradientStop& b = stops.at(i);
        if (offset <= b.offset) {
            const double t = b.offset > a.offset ? (offset - a.offset) / (b.offset - a.offset) : 1;
            const auto mix = [t](int from, int to) {
                return int(std::lround(from + (to - from) * t));
            };
            return QColor(mix(a.color.red(), b.color.red()), mix(a.color.green(), b.color.green()),
                          mix(a.color.blue(), b.color.blue()),
                          mix(a.color.alpha(), b.color.alpha()));
        }
    }
    return stops.constLast().color;
}

void GradientStopsBar::sortStops()
{
    // In offset order, as the paint keeps them, the picked stop still the picked one.
    QVector<int> order(m_stops.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return m_stops.at(a).offset < m_stops.at(b).offset; });
    QVector<ZenubGradientStop> sorted;
    for (const int index : qAsConst(order))
        sorted.append(m_stops.at(index));
    m_stops = sorted;
    const int current = order.indexOf(m_current);
    if (current != m_current) {
        m_current = current;
        emit currentStopChanged(current);
    }
}

QRectF GradientStopsBar::barRect() const
{
    return QRectF(kMarker, 2, width() - 2 * kMarker, height() - 2 - 2 * kMarker);
}

double GradientStopsBar::offsetAt(double x) const
{
    const QRectF bar = barRect();
    return std::max(0.0, std::min(1.0, (x - bar.left()) / std::max(1.0, bar.width())));
}

int GradientStopsBar::stopAt(const QPointF& point) const
{
    const QRectF bar = barRect();
    // The stop picked last lies on top, so it is found first.
    int found = -1;
    double nearest = kMarker + 1;
    for (int i = 0; i < m_stops.size(); ++i) {
        const double x = bar.left() + m_stops.at(i).offset * bar.width();
        const double distance = std::abs(point.x() - x);
        if (distance <= nearest && point.y() >= bar.top() - 2) {
            nearest = distance;
            found = i;
        }
    }
    return found;
}

void GradientStopsBar::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bar = barRect();
    // Squares behind the colours show how transparent they are.
    painter.fillRect(bar, Qt::white);
    for (double x = bar.left(); x < bar.right(); x += 6)
        for (double y = bar.top(); y < bar.bottom(); y += 6)
            if (int((x - bar.left()) / 6 + (y - bar.top()) / 6) % 2)
                painter.fillRect(
                    QRectF(x, y, std::min(6.0, bar.right() - x), std::min(6.0, bar.bottom() - y)),
                    Qt::lightGray);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    for (const ZenubGradientStop& stop : m_stops)
        gradient.setColorAt(stop.offset, stop.color);
    painter.fillRect(bar, gradient);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(bar);
    for (int i = 0; i < m_stops.size(); ++i) {
        const double x = bar.left() + m_stops.at(i).offset * bar.width();
        const QPointF marker[] = {{x, bar.bottom() - 3},
                                  {x + kMarker, bar.bottom() + kMarker},
                                  {x - kMarker, bar.bottom() + kMarker}};
        painter.setPen(QPen(i == m_current ? palette().color(QPalette::Highlight)
                                           : palette().color(QPalette::WindowText),
                            i == m_current ? 2 : 1));
        painter.setBrush(m_stops.at(i).color);
        painter.drawPolygon(marker, 3);
    }
}

void GradientStopsBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    int index = stopAt(event->localPos());
    if (index < 0) {
        const double offset = offsetAt(event->localPos().x());
        ZenubGradientStop stop;
        stop.offset = offset;
        stop.color = colorAt(m_stops, offset);
        m_stops.append(stop);
        m_current = m_stops.size() - 1;
        sortStops();
        index = m_current;
        emit currentStopChanged(index);
        emit stopsChanged(false);
    }
    m_bDragging = true;
    setCurrentStop(index);
    update();
}

void GradientStopsBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_bDragging || m_current < 0)
        return;
    m_stops[m_current].offset = offsetAt(event->localPos().x());
    sortStops();
    update();
    emit stopsChanged(false);
}

void GradientStopsBar::mouseReleaseEvent(QMouseEvent* event)
{
    Q_UNUSED(event)
    if (!m_bDragging)
        return;
    m_bDragging = false;
    emit stopsChanged(true);
}

void GradientStopsBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int index = stopAt(event->localPos());
    if (index < 0)
        return;
    const QColor color = QColorDialog::getColor(m_stops.at(index).color, this, tr("Stop Colour"),
                                                QColorDialog::ShowAlphaChannel);
    if (!color.isValid() || index >= m_stops.size())
        return;
    m_stops[index].color = color;
    update();
    emit stopsChanged(true);
}

void GradientStopsBar::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) && m_current >= 0 &&
        m_stops.size() > 2) {
        m_stops.removeAt(m_current);
        m_current = std::min(m_current, int(m_stops.size()) - 1);
        update();
        emit stopsChanged(true);
        return;
    }
    QWidget::keyPressEvent(event);
}
