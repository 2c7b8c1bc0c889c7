// SPDX-License-Identifier: MIT
#ifndef GRAPHPICKER_H
#define GRAPHPICKER_H

#include "graphcurves.h"

#include <QPointF>
#include <QVector>

class GraphMapping;
class QRectF;

/*! A key of a channel, as a graph editor selects it. */
struct GraphKeyRef
{
    GraphChannel channel;
    int frame = 0;

    bool operator==(const GraphKeyRef& other) const
    {
        return channel == other.channel && frame == other.frame;
    }
};
using GraphKeyRefs = QVector<GraphKeyRef>;

/*! What lies under a point of the graph: a key, a handle of a segment, or nothing. */
struct GraphHit
{
    enum class Kind { None, Key, Handle };
    Kind kind = Kind::None;
    int curve = -1;
    int key = -1;   // for a handle: the key its segment starts at
    int handle = 0; // 0 leaves the key, 1 arrives at the next one
};

/*!
    Where the keys and handles of the curves sit in the graph, and which of them a point or a
    rectangle hits. A segment shows its handles while a key at either end is selected; handles
    are hit before keys, since a handle may lie on a key.
*/
class GraphPicker
{
public:
    static constexpr double kReach = 6;

    GraphPicker(const GraphCurves& curves, const GraphMapping& mapping,
                const GraphKeyRefs& selection);

    bool isSelected(int curve, int key) const;
    bool showsHandles(int curve, int key) const;
    QPointF keyPoint(int curve, int key) const;
    QPointF handlePoint(int curve, int key, int handle) const;
    GraphHit hit(const QPointF& point) const;
    GraphKeyRefs keysIn(const QRectF& rect) const;

private:
    const GraphCurves& m_curves;
    const GraphMapping& m_mapping;
    const GraphKeyRefs& m_selection;
};

#endif
