// SPDX-License-Identifier: MIT
#ifndef ZENUBPATHNODE_H
#define ZENUBPATHNODE_H

#include <QPointF>
#include <QTypeInfo>

/*!
    A point of a path with the two handles of the curves meeting there, in the same coordinates
    as the point (not relative to it). A handle on its point makes that side of the node a
    straight line. A smooth node keeps its handles on one line through the point when edited;
    a corner node lets them turn apart.
*/
struct ZenubPathNode
{
    QPointF point;
    QPointF in;
    QPointF out;
    // Used as a bool; four bytes wide, since GCC 12 takes one-byte stores into QVector's
    // elements for overflows and warns.
    int smooth = 0;

    ZenubPathNode() = default;
    /*! A corner without handles. */
    explicit ZenubPathNode(const QPointF& at)
        : point(at)
        , in(at)
        , out(at)
    {}
    ZenubPathNode(const QPointF& at, const QPointF& inHandle, const QPointF& outHandle,
                  bool isSmooth = false)
        : point(at)
        , in(inHandle)
        , out(outHandle)
        , smooth(isSmooth ? 1 : 0)
    {}

    bool operator==(const ZenubPathNode& other) const
    {
        return point == other.point && in == other.in && out == other.out &&
               bool(smooth) == bool(other.smooth);
    }
    bool operator!=(const ZenubPathNode& other) const { return !(*this == other); }
};

// Plain data: vectors of nodes (tens of thousands in a glyph outline) move as bytes.
Q_DECLARE_TYPEINFO(ZenubPathNode, Q_PRIMITIVE_TYPE);

#endif
