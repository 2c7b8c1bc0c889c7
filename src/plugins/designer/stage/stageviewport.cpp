// SPDX-License-Identifier: MIT
#include "stageviewport.h"

#include <algorithm>
#include <cmath>

namespace {

const double kMargin = 24.0;
// A panned stage keeps this much of itself in view, so it cannot be lost off the side.
const double kKeepVisible = 40.0;

} // namespace

void StageViewport::fit()
{
    m_bFit = true;
    m_pan = QPointF();
}

double StageViewport::fitScale() const
{
    const double sx = (m_widgetSize.width() - 2 * kMargin) / std::max(1.0, m_stageSize.width());
    const double sy = (m_widgetSize.height() - 2 * kMargin) / std::max(1.0, m_stageSize.height());
    return std::max(0.01, std::min(sx, sy));
}

double StageViewport::scale() const
{
    return m_bFit ? fitScale() : m_zoom;
}

QPointF StageViewport::origin() const
{
    const double s = scale();
    const QPointF origin = QPointF(m_widgetSize.width() - m_stageSize.width() * s,
                                   m_widgetSize.height() - m_stageSize.height() * s) /
                               2 +
                           m_pan;
    // On whole pixels, so that at 100 % every stage pixel is one screen pixel, sharp.
    return QPointF(std::round(origin.x()), std::round(origin.y()));
}

QPointF StageViewport::toStage(const QPointF& widgetPoint) const
{
    return (widgetPoint - origin()) / scale();
}

QPointF StageViewport::fromStage(const QPointF& stagePoint) const
{
    return stagePoint * scale() + origin();
}

void StageViewport::zoomTo(double zoom, const QPointF& anchor)
{
    const QPointF stagePoint = toStage(anchor);
    m_zoom = std::max(kMinZoom, std::min(kMaxZoom, zoom));
    m_bFit = false;
    m_pan = QPointF();
    m_pan = anchor - fromStage(stagePoint);
    clampPan();
}

void StageViewport::panBy(const QPointF& delta)
{
    if (m_bFit) {
        m_zoom = fitScale();
        m_bFit = false;
    }
    m_pan += delta;
    clampPan();
}

QPointF StageViewport::panLimit() const
{
    const double s = scale();
    return QPointF(
        std::max(0.0, (m_widgetSize.width() + m_stageSize.width() * s) / 2 - kKeepVisible),
        std::max(0.0, (m_widgetSize.height() + m_stageSize.height() * s) / 2 - kKeepVisible));
}

void StageViewport::clampPan()
{
    const QPointF limit = panLimit();
    m_pan.setX(std::max(-limit.x(), std::min(limit.x(), m_pan.x())));
    m_pan.setY(std::max(-limit.y(), std::min(limit.y(), m_pan.y())));
}

double StageViewport::steppedZoom(double zoom, double steps)
{
    const double next = zoom * std::pow(1.25, steps);
    // Crossing 100 % stops there: the one zoom at which stage pixels are screen pixels.
    if ((zoom < 1.0 && next > 1.0) || (zoom > 1.0 && next < 1.0))
        return 1.0;
    return std::max(kMinZoom, std::min(kMaxZoom, next));
}
