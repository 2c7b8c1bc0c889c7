// SPDX-License-Identifier: MIT
#include "graphcurves.h"

#include "model/project/zenubscene.h"

#include <algorithm>
#include <cmath>

namespace {

QColor colourOf(const GraphChannel& channel, int index)
{
    // x red and y green, as axes are drawn; the rest apart from each other by hue.
    if (channel.property == ZenubProperty::Position)
        return channel.component == 0 ? QColor(0xe0, 0x4f, 0x4f) : QColor(0x5c, 0xb8, 0x5c);
    if (channel.property == ZenubProperty::Size)
        return channel.component == 0 ? QColor(0xe8, 0xa0, 0x40) : QColor(0x4f, 0x9a, 0xe0);
    return QColor::fromHsv((200 + index * 67) % 360, 170, 230);
}

} // namespace

int GraphCurves::Curve::indexOf(int frame) const
{
    for (int i = 0; i < keys.size(); ++i)
        if (keys.at(i).frame == frame)
            return i;
    return -1;
}

void GraphCurves::read(const ZenubScene& scene, const QVector<GraphChannel>& channels)
{
    m_curves.clear();
    for (const GraphChannel& channel : channels) {
        if (channel.layer < 0 || channel.layer >= scene.getLayers().size())
            continue;
        const auto& shapes = scene.getLayers().at(channel.layer).getShapes();
        if (channel.shape < 0 || channel.shape >= shapes.size())
            continue;
        const ZenubShapeTracks& tracks = shapes.at(channel.shape).tracks();
        m_curves.append({channel, channel.keys(tracks), channel.title(scene),
                         colourOf(channel, m_curves.size()), tracks});
    }
}

int GraphCurves::indexOf(const GraphChannel& channel) const
{
    for (int i = 0; i < m_curves.size(); ++i)
        if (m_curves.at(i).channel == channel)
            return i;
    return -1;
}

bool GraphCurves::bounds(int duration, double* first, double* last, double* low, double* high) const
{
    if (m_curves.isEmpty())
        return false;
    int from = duration;
    int to = 0;
    for (const Curve& curve : m_curves) {
        if (curve.keys.isEmpty())
            continue;
        from = std::min(from, curve.keys.constFirst().frame);
        to = std::max(to, curve.keys.constLast().frame);
    }
    if (to <= from) {
        from = 0;
        to = std::max(1, duration - 1);
    }
    *first = from;
    *last = to;
    *low = m_curves.constFirst().valueAt(from);
    *high = *low;
    // A few samples a frame find the top of an overshooting curve.
    const int samples = std::clamp((to - from) * 4, 16, 4000);
    for (const Curve& curve : m_curves) {
        for (int i = 0; i <= samples; ++i) {
            const double value = curve.valueAt(from + (to - from) * double(i) / samples);
            *low = std::min(*low, value);
            *high = std::max(*high, value);
        }
    }
    return true;
}
