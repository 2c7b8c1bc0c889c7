// SPDX-License-Identifier: MIT
#ifndef ZENUBPATH_H
#define ZENUBPATH_H

#include "zenubpathnode.h"

#include <QJsonObject>
#include <QMetaType>
#include <QVector>

class QPainterPath;
class QRectF;
class QTransform;
class ZenubJsonPath;
class ZenubJsonReader;
class ZenubJsonWriter;

/*!
    The outline of a path shape: one or more subpaths of cubic Bézier nodes, each open or
    closed, and the rule that says which parts of overlapping subpaths are inside.

    Nodes are relative to the shape's box (0,0 its top-left corner, 1,1 its bottom-right), so
    resizing the box scales the path. Between two nodes runs the cubic curve from the first's
    point through its out handle and the second's in handle to the second's point; a closed
    subpath also joins its last node to its first. Open subpaths are filled as if closed.
*/
class ZenubPath
{
public:
    enum class FillRule { NonZero, EvenOdd };

    struct Subpath
    {
        QVector<ZenubPathNode> nodes;
        bool closed = false;
        bool operator==(const Subpath& other) const
        {
            return closed == other.closed && nodes == other.nodes;
        }
        bool operator!=(const Subpath& other) const { return !(*this == other); }
    };

    ZenubPath() = default;

    const QVector<Subpath>& getSubpaths() const { return m_subpaths; }
    QVector<Subpath>& subpaths() { return m_subpaths; }
    void setSubpaths(const QVector<Subpath>& subpaths) { m_subpaths = subpaths; }
    void addSubpath(const QVector<ZenubPathNode>& nodes, bool closed);
    FillRule getFillRule() const { return m_fillRule; }
    void setFillRule(FillRule rule) { m_fillRule = rule; }

    int nodeCount() const;
    bool isEmpty() const { return nodeCount() == 0; }

    /*! The path mapped through \a transform (from box-relative to wherever it is drawn). */
    QPainterPath toPainterPath(const QTransform& transform) const;
    /*! The path drawn into \a box. */
    QPainterPath toPainterPath(const QRectF& box) const;
    /*! Every point and handle mapped through \a transform. */
    ZenubPath mapped(const QTransform& transform) const;

    static QString fillRuleName(FillRule rule);

    void write(ZenubJsonWriter& writer) const;
    static ZenubPath fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                              const ZenubJsonPath& path);

    // A file may not ask for more; a glyph outline of a long text has tens of thousands.
    static constexpr int maximumNodes() { return 1000000; }

    bool operator==(const ZenubPath& other) const
    {
        return m_fillRule == other.m_fillRule && m_subpaths == other.m_subpaths;
    }
    bool operator!=(const ZenubPath& other) const { return !(*this == other); }

private:
    QVector<Subpath> m_subpaths;
    FillRule m_fillRule = FillRule::NonZero;
};

Q_DECLARE_METATYPE(ZenubPath)

#endif
