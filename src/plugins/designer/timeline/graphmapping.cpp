// SPDX-License-Identifier: MIT
#include "graphmapping.h"

#include <algorithm>
#include <cmath>

namespace {

// The scales stay where a drag still moves a key by whole frames and small values.
constexpr double kMinimumFrameScale = 0.05;
constexpr double kMaximumFrameScale = 400;
constexpr double kMinimumValueScale = 1e-4;
constexpr double kMaximumValueScale = 1e6;

} // namespace

void GraphMapping::fit(double first, double last, double low, double high)
{
    if (last - first < 1) {
        first -= 0.5;
        last += 0.5;
    }
    // A flat curve still gets a band around its value.
    if (high - low < 1e-9) {
        const double half = std::max(std::abs(high) * 0.1, 0.5);
        low -= half;
        high += half;
    }
    const double frameMargin = (last - first) * 0.04;
    const double valueMargin = (high - low) * 0.1;
    m_firstFrame = first - frameMargin;
    m_frameScale = std::clamp(m_plot.width() / (last - first + 2 * frameMargin), kMinimumFrameScale,
                              kMaximumFrameScale);
    m_lowValue = low - valueMargin;
    m_valueScale = std::clamp(m_plot.height() / (high - low + 2 * valueMargin), kMinimumValueScale,
                              kMaximumValueScale);
}

void GraphMapping::zoomFrames(double factor, double anchorX)
{
    const double anchor = frameAt(anchorX);
    m_frameScale = std::clamp(m_frameScale * factor, kMinimumFrameScale, kMaximumFrameScale);
    m_firstFrame = anchor - (anchorX - m_plot.left()) / m_frameScale;
}

void GraphMapping::zoomValues(double factor, double anchorY)
{
    const double anchor = valueAt(anchorY);
    m_valueScale = std::clamp(m_valueScale * factor, kMinimumValueScale, kMaximumValueScale);
    m_lowValue = anchor - (m_plot.bottom() - anchorY) / m_valueScale;
}

void GraphMapping::pan(const QPointF& pixels)
{
    m_firstFrame -= pixels.x() / m_frameScale;
    m_lowValue += pixels.y() / m_valueScale;
}
