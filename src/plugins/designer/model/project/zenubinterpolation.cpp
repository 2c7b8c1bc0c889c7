// SPDX-License-Identifier: MIT
#include "zenubinterpolation.h"

#include <algorithm>
#include <cmath>

namespace {

// Half up, as the player's Math.round() does.
int roundHalfUp(double value)
{
    return int(std::floor(value + 0.5));
}

int channel(int from, int to, double eased)
{
    return std::clamp(roundHalfUp(from + (to - from) * eased), 0, 255);
}

bool sameShape(const ZenubPath& from, const ZenubPath& to)
{
    const QVector<ZenubPath::Subpath>& a = from.getSubpaths();
    const QVector<ZenubPath::Subpath>& b = to.getSubpaths();
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (a.at(i).closed != b.at(i).closed || a.at(i).nodes.size() != b.at(i).nodes.size())
            return false;
    return true;
}

} // namespace

namespace ZenubInterpolation {

double mix(double from, double to, double eased)
{
    return from + (to - from) * eased;
}

int mix(int from, int to, double eased)
{
    return roundHalfUp(from + (to - from) * eased);
}

QPointF mix(const QPointF& from, const QPointF& to, double eased)
{
    return QPointF(mix(from.x(), to.x(), eased), mix(from.y(), to.y(), eased));
}

QSizeF mix(const QSizeF& from, const QSizeF& to, double eased)
{
    return QSizeF(mix(from.width(), to.width(), eased), mix(from.height(), to.height(), eased));
}

QColor mix(const QColor& from, const QColor& to, double eased)
{
    return QColor(channel(from.red(), to.red(), eased), channel(from.green(), to.green(), eased),
                  channel(from.blue(), to.blue(), eased), channel(from.alpha(), to.alpha(), eased));
}

ZenubPaint mix(const ZenubPaint& from, const ZenubPaint& to, double eased)
{
    if (eased == 0 || from.getType() != to.getType() ||
        from.getStops().size() != to.getStops().size())
        return from;
    ZenubPaint result = from;
    result.setColor(mix(from.getColor(), to.getColor(), eased));
    result.setOpacity(mix(from.getOpacity(), to.getOpacity(), eased));
    if (!from.isGradient())
        return result;
    result.setStart(mix(from.getStart(), to.getStart(), eased));
    result.setEnd(mix(from.getEnd(), to.getEnd(), eased));
    QVector<ZenubGradientStop> stops = from.getStops();
    for (int i = 0; i < stops.size(); ++i) {
        const ZenubGradientStop& other = to.getStops().at(i);
        stops[i].offset = std::clamp(mix(stops.at(i).offset, other.offset, eased), 0.0, 1.0);
        stops[i].color = mix(stops.at(i).color, other.color, eased);
    }
    result.setStops(stops);
    return result;
}

ZenubPath mix(const ZenubPath& from, const ZenubPath& to, double eased)
{
    if (eased == 0 || !sameShape(from, to))
        return from;
    QVector<ZenubPath::Subpath> subpaths = from.getSubpaths();
    for (int s = 0; s < subpaths.size(); ++s) {
        QVector<ZenubPathNode>& nodes = subpaths[s].nodes;
        const QVector<ZenubPathNode>& target = to.getSubpaths().at(s).nodes;
        for (int n = 0; n < nodes.size(); ++n) {
            nodes[n].point = mix(nodes.at(n).point, target.at(n).point, eased);
            nodes[n].in = mix(nodes.at(n).in, target.at(n).in, eased);
            nodes[n].out = mix(nodes.at(n).out, target.at(n).out, eased);
        }
    }
    ZenubPath result = from;
    result.setSubpaths(subpaths);
    return result;
}

} // namespace ZenubInterpolation
