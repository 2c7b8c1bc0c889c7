// SPDX-License-Identifier: MIT
#include "zenubpath.h"

#include "model/io/zenub/zenubjsonkeys.h"
#include "model/io/zenub/zenubjsonreader.h"
#include "model/io/zenub/zenubjsonwriter.h"

#include <QJsonArray>
#include <QPainterPath>
#include <QRectF>
#include <QTransform>

void ZenubPath::addSubpath(const QVector<ZenubPathNode>& nodes, bool closed)
{
    m_subpaths.append(Subpath{nodes, closed});
}

int ZenubPath::nodeCount() const
{
    int count = 0;
    for (const Subpath& subpath : m_subpaths)
        count += subpath.nodes.size();
    return count;
}

QPainterPath ZenubPath::toPainterPath(const QTransform& transform) const
{
    QPainterPath path;
    path.setFillRule(m_fillRule == FillRule::EvenOdd ? Qt::OddEvenFill : Qt::WindingFill);
    for (const Subpath& subpath : m_subpaths) {
        const QVector<ZenubPathNode>& nodes = subpath.nodes;
        if (nodes.isEmpty())
            continue;
        path.moveTo(transform.map(nodes.constFirst().point));
        const int segments = subpath.closed ? nodes.size() : nodes.size() - 1;
        for (int i = 0; i < segments; ++i) {
            const ZenubPathNode& from = nodes.at(i);
            const ZenubPathNode& to = nodes.at((i + 1) % nodes.size());
            // Straight segments stay lines, so that their ends are exact.
            if (from.out == from.point && to.in == to.point)
                path.lineTo(transform.map(to.point));
            else
                path.cubicTo(transform.map(from.out), transform.map(to.in),
                             transform.map(to.point));
        }
        if (subpath.closed)
            path.closeSubpath();
    }
    return path;
}

QPainterPath ZenubPath::toPainterPath(const QRectF& box) const
{
    return toPainterPath(QTransform(box.width(), 0, 0, box.height(), box.x(), box.y()));
}

ZenubPath ZenubPath::mapped(const QTransform& transform) const
{
    ZenubPath result = *this;
    for (Subpath& subpath : result.m_subpaths) {
        for (ZenubPathNode& node : subpath.nodes) {
            node.point = transform.map(node.point);
            node.in = transform.map(node.in);
            node.out = transform.map(node.out);
        }
    }
    return result;
}

QString ZenubPath::fillRuleName(FillRule rule)
{
    return rule == FillRule::EvenOdd ? QStringLiteral("evenodd") : QStringLiteral("nonzero");
}

void ZenubPath::write(ZenubJsonWriter& writer) const
{
    writer.beginObject();
    if (m_fillRule != FillRule::NonZero)
        writer.member(QLatin1String("fillRule"), fillRuleName(m_fillRule));
    writer.key(QLatin1String("subpaths"));
    writer.beginArray();
    for (const Subpath& subpath : m_subpaths) {
        writer.beginObject();
        if (subpath.closed)
            writer.member(QLatin1String("closed"), true);
        writer.key(QLatin1String("nodes"));
        writer.beginArray();
        for (const ZenubPathNode& node : subpath.nodes) {
            writer.beginObject();
            // A handle on its point is left out: most nodes of drawn outlines have none.
            if (node.in != node.point) {
                writer.member(QLatin1String("inX"), node.in.x());
                writer.member(QLatin1String("inY"), node.in.y());
            }
            if (node.out != node.point) {
                writer.member(QLatin1String("outX"), node.out.x());
                writer.member(QLatin1String("outY"), node.out.y());
            }
            if (node.smooth)
                writer.member(QLatin1String("smooth"), true);
            writer.member(QLatin1String("x"), node.point.x());
            writer.member(QLatin1String("y"), node.point.y());
            writer.endObject();
        }
        writer.endArray();
        writer.endObject();
    }
    writer.endArray();
    writer.endObject();
}

ZenubPath ZenubPath::fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                              const ZenubJsonPath& path)
{
    enum { Rule, Subpaths };
    static const ZenubJsonKeys keys{QLatin1String("fillRule"), QLatin1String("subpaths")};
    enum { Closed, Nodes };
    static const ZenubJsonKeys subpathKeys{QLatin1String("closed"), QLatin1String("nodes")};
    enum { X, Y, InX, InY, OutX, OutY, Smooth };
    static const ZenubJsonKeys nodeKeys{
        QLatin1String("x"),    QLatin1String("y"),    QLatin1String("inX"),   QLatin1String("inY"),
        QLatin1String("outX"), QLatin1String("outY"), QLatin1String("smooth")};
    const ZenubJsonKeys::Found values = keys.find(object);
    ZenubPath result;
    static const QStringList rules{fillRuleName(FillRule::NonZero),
                                   fillRuleName(FillRule::EvenOdd)};
    if (reader.readChoice(values(Rule), path, keys[Rule], rules, rules.first()) != rules.first())
        result.m_fillRule = FillRule::EvenOdd;

    // Nodes may lie outside the box while it is being edited, never absurdly far.
    const double limit = ZenubJsonReader::coordinateLimit();
    int total = 0;
    const ZenubJsonPath subpathsPath(path, keys[Subpaths]);
    const QJsonArray subpaths = reader.readArray(values(Subpaths), path, keys[Subpaths]);
    for (int s = 0; s < subpaths.size() && !reader.hasError(); ++s) {
        const ZenubJsonPath subpathPath(subpathsPath, s);
        const ZenubJsonKeys::Found subpath =
            subpathKeys.find(reader.objectAt(subpaths, subpathsPath, s));
        Subpath read;
        read.closed = reader.readBool(subpath(Closed), subpathPath, subpathKeys[Closed], false);
        const ZenubJsonPath nodesPath(subpathPath, subpathKeys[Nodes]);
        const QJsonArray nodes = reader.readArray(subpath(Nodes), subpathPath, subpathKeys[Nodes]);
        total += nodes.size();
        if (total > maximumNodes()) {
            reader.fail(ZenubJsonReader::tr("The field \"%1\" holds more than %2 entries.")
                            .arg(nodesPath.toString())
                            .arg(maximumNodes()));
            break;
        }
        read.nodes.reserve(nodes.size());
        for (int n = 0; n < nodes.size() && !reader.hasError(); ++n) {
            const ZenubJsonPath nodePath(nodesPath, n);
            const ZenubJsonKeys::Found node = nodeKeys.find(reader.objectAt(nodes, nodesPath, n));
            const auto number = [&](int field, double fallback) {
                return reader.readNumber(node(field), nodePath, nodeKeys[field], fallback, -limit,
                                         limit);
            };
            ZenubPathNode each(QPointF(number(X, 0), number(Y, 0)));
            each.in = QPointF(number(InX, each.point.x()), number(InY, each.point.y()));
            each.out = QPointF(number(OutX, each.point.x()), number(OutY, each.point.y()));
            each.smooth = reader.readBool(node(Smooth), nodePath, nodeKeys[Smooth], false);
            read.nodes.append(each);
        }
        result.m_subpaths.append(read);
    }
    return result;
}
