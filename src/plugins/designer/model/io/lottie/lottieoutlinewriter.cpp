// SPDX-License-Identifier: MIT
#include "lottieoutlinewriter.h"

#include "lottietrackwriter.h"
#include "model/io/zenub/zenubjsonwriter.h"

#include <QPainterPath>

#include <algorithm>

namespace {

void writePoint(ZenubJsonWriter& out, const QPointF& p)
{
    out.beginArray();
    out.value(p.x());
    out.value(p.y());
    out.endArray();
}

void writeBezierValue(ZenubJsonWriter& out, const QVector<ZenubPathNode>& nodes, bool closed)
{
    out.beginObject();
    out.member("c", closed);
    out.key("i");
    out.beginArray();
    for (const ZenubPathNode& node : nodes)
        writePoint(out, node.in - node.point);
    out.endArray();
    out.key("o");
    out.beginArray();
    for (const ZenubPathNode& node : nodes)
        writePoint(out, node.out - node.point);
    out.endArray();
    out.key("v");
    out.beginArray();
    for (const ZenubPathNode& node : nodes)
        writePoint(out, node.point);
    out.endArray();
    out.endObject();
}

void writeBezier(ZenubJsonWriter& out, const QVector<ZenubPathNode>& nodes, bool closed)
{
    out.beginObject();
    out.key("ks");
    out.beginObject();
    out.member("a", 0);
    out.key("k");
    writeBezierValue(out, nodes, closed);
    out.endObject();
    out.member("ty", "sh");
    out.endObject();
}

// Subpaths of a painter path (glyph outlines) as nodes with absolute handles.
QVector<QPair<QVector<ZenubPathNode>, bool>> subpathsOf(const QPainterPath& path)
{
    QVector<QPair<QVector<ZenubPathNode>, bool>> subpaths;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (element.isMoveTo() || subpaths.isEmpty()) {
            subpaths.append({{ZenubPathNode(QPointF(element))}, false});
        } else if (element.isLineTo()) {
            subpaths.last().first.append(ZenubPathNode(QPointF(element)));
        } else if (element.isCurveTo() && i + 2 < path.elementCount()) {
            QVector<ZenubPathNode>& nodes = subpaths.last().first;
            nodes.last().out = QPointF(element);
            const QPointF in = path.elementAt(i + 1);
            const QPointF end = path.elementAt(i + 2);
            nodes.append(ZenubPathNode(end, in, end));
            i += 2;
        }
    }
    // A subpath back at its start is closed; its last node is the first one's in-handle.
    for (auto& subpath : subpaths) {
        QVector<ZenubPathNode>& nodes = subpath.first;
        if (nodes.size() > 2 && nodes.constLast().point == nodes.constFirst().point) {
            nodes.first().in = nodes.constLast().in;
            nodes.removeLast();
            subpath.second = true;
        }
    }
    return subpaths;
}

} // namespace

QVector<double> LottieOutlineWriter::subpathValues(const ZenubPath& path, int index, int nodes)
{
    QVector<ZenubPathNode> list;
    bool closed = true;
    if (index < path.getSubpaths().size()) {
        list = path.getSubpaths().at(index).nodes;
        closed = path.getSubpaths().at(index).closed;
    }
    if (list.isEmpty() && nodes > 0)
        list.append(ZenubPathNode(QPointF()));
    while (list.size() < nodes) {
        ZenubPathNode repeated = list.constLast();
        list.last().out = list.constLast().point;
        repeated.in = repeated.point;
        list.append(repeated);
    }
    QVector<double> values{closed ? 1.0 : 0.0, double(list.size())};
    for (const ZenubPathNode& node : qAsConst(list))
        values << node.point.x() << node.point.y() << node.in.x() - node.point.x()
               << node.in.y() - node.point.y() << node.out.x() - node.point.x()
               << node.out.y() - node.point.y();
    return values;
}

void LottieOutlineWriter::subpath(ZenubJsonWriter& out, const QVector<double>& values)
{
    QVector<ZenubPathNode> nodes;
    for (int i = 2; i + 5 < values.size(); i += 6) {
        const QPointF p(values.at(i), values.at(i + 1));
        nodes.append(ZenubPathNode(p, p + QPointF(values.at(i + 2), values.at(i + 3)),
                                   p + QPointF(values.at(i + 4), values.at(i + 5))));
    }
    writeBezierValue(out, nodes, values.value(0) != 0);
}

bool LottieOutlineWriter::sameForm(const ZenubPath& a, const ZenubPath& b)
{
    if (a.getSubpaths().size() != b.getSubpaths().size())
        return false;
    for (int i = 0; i < a.getSubpaths().size(); ++i)
        if (a.getSubpaths().at(i).closed != b.getSubpaths().at(i).closed ||
            a.getSubpaths().at(i).nodes.size() != b.getSubpaths().at(i).nodes.size())
            return false;
    return true;
}

void LottieOutlineWriter::pathItems(ZenubJsonWriter& out, const ZenubTrack<ZenubPath>& track,
                                    double start)
{
    QVector<ZenubPath> values{track.value()};
    for (const auto& key : track.keys())
        values.append(key.value);
    QVector<int> nodes;
    for (const ZenubPath& path : qAsConst(values))
        for (int i = 0; i < path.getSubpaths().size(); ++i) {
            if (i >= nodes.size())
                nodes.append(0);
            nodes[i] = std::max(nodes.at(i), int(path.getSubpaths().at(i).nodes.size()));
        }
    for (int i = 0; i < nodes.size(); ++i) {
        const int count = nodes.at(i);
        const LottieTrack subpath = LottieTrackWriter::of(
            track, start,
            [i, count](const ZenubPath& path) { return subpathValues(path, i, count); }, sameForm);
        out.beginObject();
        out.key("ks");
        subpath.writeWith(out, LottieOutlineWriter::subpath);
        out.member("ty", "sh");
        out.endObject();
    }
}

void LottieOutlineWriter::glyphs(ZenubJsonWriter& out, const QPainterPath& outline)
{
    for (const auto& subpath : subpathsOf(outline))
        writeBezier(out, subpath.first, subpath.second);
}
