// SPDX-License-Identifier: MIT
#include "stageruler.h"

#include "stagewidget.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

// A numbered mark at least this far, in screen pixels, from the next.
const double kLabelDistance = 60.0;

} // namespace

StageRuler::StageRuler(Qt::Orientation orientation, StageWidget* stage, QWidget* parent)
    : QWidget(parent)
    , m_orientation(orientation)
    , m_pStage(stage)
{
    setObjectName(orientation == Qt::Horizontal ? QStringLiteral("topRuler")
                                                : QStringLiteral("sideRuler"));
    setCursor(orientation == Qt::Horizontal ? Qt::SplitVCursor : Qt::SplitHCursor);
    setSizePolicy(orientation == Qt::Horizontal
                      ? QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed)
                      : QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred));
    setToolTip(orientation == Qt::Horizontal ? tr("Drag down to pull a horizontal guide")
                                             : tr("Drag right to pull a vertical guide"));
    const auto repaint = [this] {
        update();
    };
    connect(stage, &StageWidget::viewChanged, this, repaint);
    connect(stage, &StageWidget::documentChanged, this, repaint);
    connect(stage, &StageWidget::pointerMoved, this, [this](const QPointF& point) {
        m_pointer = m_orientation == Qt::Horizontal ? point.x() : point.y();
        m_bPointer = true;
        update();
    });
}

double StageRuler::labelStep(double zoom)
{
    // 1, 2, 5, 10, 20, 50, ... stage pixels: the first that leaves room for a number.
    double step = 1;
    for (int i = 0; step * zoom < kLabelDistance && i < 60; ++i)
        step *= (i % 3 == 1) ? 2.5 : 2;
    return step;
}

double StageRuler::thickness() const
{
    return fontMetrics().height() + 6;
}

QSize StageRuler::sizeHint() const
{
    const int side = int(thickness());
    return m_orientation == Qt::Horizontal ? QSize(100, side) : QSize(side, 100);
}

QSize StageRuler::minimumSizeHint() const
{
    return sizeHint();
}

double StageRuler::toRuler(double value) const
{
    // The ruler and the stage share one side, so a global point maps between them.
    const QPointF onStage = m_pStage->fromStage(QPointF(value, value));
    const QPoint offset = m_pStage->mapToGlobal(QPoint()) - mapToGlobal(QPoint());
    return m_orientation == Qt::Horizontal ? onStage.x() + offset.x() : onStage.y() + offset.y();
}

void StageRuler::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    const QPalette colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Window));
    painter.setPen(colours.color(QPalette::Mid));
    const bool bAcross = m_orientation == Qt::Horizontal;
    const double side = bAcross ? height() : width();
    const double length = bAcross ? width() : height();
    if (bAcross)
        painter.drawLine(QLineF(0, side - 0.5, length, side - 0.5));
    else
        painter.drawLine(QLineF(side - 0.5, 0, side - 0.5, length));
    if (!m_pStage->getDocument())
        return;

    const double zoom = m_pStage->getZoom();
    const double step = labelStep(zoom);
    // Five or two small marks between numbers, whichever stays apart on screen.
    const double minor = step * zoom / 10 >= 5 ? step / 10 : step / 5 >= 1 ? step / 5 : step / 2;
    const double first = toRuler(0);
    const double from = std::floor((-first) / (step * zoom)) * step;
    const double to = from + length / zoom + step;
    painter.setPen(colours.color(QPalette::WindowText));
    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.8));
    painter.setFont(small);
    const int marks = int(std::ceil((to - from) / minor));
    for (int i = 0; i <= marks; ++i) {
        const double value = from + i * minor;
        const double at = std::round(toRuler(value)) + 0.5;
        const bool bLabel = std::abs(std::remainder(value, step)) < minor / 2;
        const double mark = bLabel ? side * 0.6 : side * 0.25;
        if (bAcross)
            painter.drawLine(QLineF(at, side - mark, at, side));
        else
            painter.drawLine(QLineF(side - mark, at, side, at));
        if (!bLabel)
            continue;
        const QString text = QString::number(std::lround(value));
        if (bAcross) {
            painter.drawText(QPointF(at + 3, small.pointSizeF() + 3), text);
        } else {
            painter.save();
            painter.translate(small.pointSizeF() + 2, at - 3);
            painter.rotate(-90);
            painter.drawText(QPointF(0, 0), text);
            painter.restore();
        }
    }
    if (m_bPointer) {
        painter.setPen(QColor(0xff, 0x8c, 0x00));
        const double at = std::round(toRuler(m_pointer)) + 0.5;
        if (bAcross)
            painter.drawLine(QLineF(at, 0, at, side));
        else
            painter.drawLine(QLineF(0, at, side, at));
    }
}

void StageRuler::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pStage->getDocument()) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pStage->guideDrag().begin(m_orientation, -1);
}

void StageRuler::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pStage->guideDrag().isActive())
        m_pStage->guideDrag().moveTo(m_pStage->mapFromGlobal(event->globalPos()));
}

void StageRuler::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_pStage->guideDrag().isActive())
        m_pStage->guideDrag().finish(m_pStage->mapFromGlobal(event->globalPos()));
}
