// SPDX-License-Identifier: MIT
#include "graphpicker.h"

#include "graphmapping.h"
#include "graphsegment.h"

#include <QLineF>
#include <QRectF>

GraphPicker::GraphPicker(const GraphCurves& curves, const GraphMapping& mapping,
                         const GraphKeyRefs& selection)
    : m_curves(curves)
    , m_mapping(mapping)
    , m_selection(selection)
{}

bool GraphPicker::isSelected(int curve, int key) const
{
    const GraphCurves::Curve& c = m_curves.at(curve);
    return key >= 0 && key < c.keys.size() &&
           m_selection.contains({c.channel, c.keys.at(key).frame});
}

bool GraphPicker::showsHandles(int curve, int key) const
{
    const QVector<GraphKey>& keys = m_curves.at(curve).keys;
    return key >= 0 && key + 1 < keys.size() && GraphSegment::hasHandles(keys.at(key).easing) &&
           (isSelected(curve, key) || isSelected(curve, key + 1));
}

QPointF GraphPicker::keyPoint(int curve, int key) const
{
    const GraphKey& at = m_curves.at(curve).keys.at(key);
    return m_mapping.point(at.frame, at.value);
}

QPointF GraphPicker::handlePoint(int curve, int key, int handle) const
{
    const QVector<GraphKey>& keys = m_curves.at(curve).keys;
    const QPointF at = GraphSegment::handle(keys.at(key), keys.at(key + 1), handle);
    return m_mapping.point(at.x(), at.y());
}

GraphHit GraphPicker::hit(const QPointF& point) const
{
    GraphHit best;
    double nearest = kReach + 1;
    const auto consider = [&](const QPointF& at, GraphHit candidate) {
        const double distance = QLineF(at, point).length();
        if (distance <= kReach && distance < nearest) {
            nearest = distance;
            best = candidate;
        }
    };
    for (int curve = 0; curve < m_curves.count(); ++curve)
        for (int key = 0; key < m_curves.at(curve).keys.size(); ++key)
            if (showsHandles(curve, key))
                for (const int handle : {0, 1})
                    consider(handlePoint(curve, key, handle),
                             {GraphHit::Kind::Handle, curve, key, handle});
    if (best.kind != GraphHit::Kind::None)
        return best;
    for (int curve = 0; curve < m_curves.count(); ++curve)
        for (int key = 0; key < m_curves.at(curve).keys.size(); ++key)
            consider(keyPoint(curve, key), {GraphHit::Kind::Key, curve, key, 0});
    return best;
}

GraphKeyRefs GraphPicker::keysIn(const QRectF& rect) const
{
    GraphKeyRefs refs;
    for (int curve = 0; curve < m_curves.count(); ++curve)
        for (int key = 0; key < m_curves.at(curve).keys.size(); ++key)
            if (rect.contains(keyPoint(curve, key)))
                refs.append({m_curves.at(curve).channel, m_curves.at(curve).keys.at(key).frame});
    return refs;
}
