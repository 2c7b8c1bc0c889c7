// SPDX-License-Identifier: MIT
#include "nodeedits.h"

#include "model/project/zenubshape.h"
#include "pathedits.h"

#include <QLineF>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QPointF lerp(const QPointF& a, const QPointF& b, double t)
{
    return a + (b - a) * t;
}

QPointF bezierAt(const QVector<QPointF>& c, double t)
{
    const double u = 1 - t;
    return c[0] * (u * u * u) + c[1] * (3 * u * u * t) + c[2] * (3 * u * t * t) +
           c[3] * (t * t * t);
}

ZenubPathNode* nodeAt(ZenubPath& path, const NodeRef& ref)
{
    if (ref.subpath < 0 || ref.subpath >= path.getSubpaths().size())
        return nullptr;
    QVector<ZenubPathNode>& nodes = path.subpaths()[ref.subpath].nodes;
    return ref.node >= 0 && ref.node < nodes.size() ? &nodes[ref.node] : nullptr;
}

QPointF unit(const QPointF& vector)
{
    const double length = std::hypot(vector.x(), vector.y());
    return length > 0 ? vector / length : QPointF();
}

double distance(const QPointF& a, const QPointF& b)
{
    return QLineF(a, b).length();
}

} // namespace

namespace NodeEdits {

bool moveNodes(ZenubPath& path, const QVector<NodeRef>& nodes, const QPointF& offset)
{
    bool bMoved = false;
    for (const NodeRef& ref : nodes) {
        ZenubPathNode* node = nodeAt(path, ref);
        if (!node || offset.isNull())
            continue;
        node->point += offset;
        node->in += offset;
        node->out += offset;
        bMoved = true;
    }
    return bMoved;
}

bool moveHandle(ZenubPath& path, const NodeRef& ref, bool bOut, const QPointF& to)
{
    ZenubPathNode* node = nodeAt(path, ref);
    if (!node || (bOut ? node->out : node->in) == to)
        return false;
    (bOut ? node->out : node->in) = to;
    if (node->smooth && to != node->point) {
        QPointF& other = bOut ? node->in : node->out;
        other = node->point + unit(node->point - to) * distance(other, node->point);
    }
    return true;
}

QVector<QPointF> segment(const ZenubPath& path, const NodeRef& from)
{
    if (from.subpath < 0 || from.subpath >= path.getSubpaths().size())
        return {};
    const ZenubPath::Subpath& subpath = path.getSubpaths().at(from.subpath);
    const int count = subpath.nodes.size();
    if (from.node < 0 || from.node >= count || count < 2)
        return {};
    int next = from.node + 1;
    if (next == count) {
        if (!subpath.closed)
            return {};
        next = 0;
    }
    const ZenubPathNode& a = subpath.nodes.at(from.node);
    const ZenubPathNode& b = subpath.nodes.at(next);
    return {a.point, a.out, b.in, b.point};
}

bool nearestSegment(const ZenubPath& path, const QTransform& map, const QPointF& point,
                    double tolerance, NodeRef* from, double* t)
{
    double best = std::numeric_limits<double>::max();
    for (int s = 0; s < path.getSubpaths().size(); ++s) {
        for (int n = 0; n < path.getSubpaths().at(s).nodes.size(); ++n) {
            QVector<QPointF> curve = segment(path, {s, n});
            if (curve.isEmpty())
                continue;
            for (QPointF& control : curve)
                control = map.map(control);
            // Sampled, then narrowed down around the nearest sample.
            const int samples = 32;
            double nearest = 0;
            double nearestDistance = std::numeric_limits<double>::max();
            for (int i = 0; i <= samples; ++i) {
                const double at = double(i) / samples;
                const double d = distance(bezierAt(curve, at), point);
                if (d < nearestDistance) {
                    nearestDistance = d;
                    nearest = at;
                }
            }
            double low = std::max(0.0, nearest - 1.0 / samples);
            double high = std::min(1.0, nearest + 1.0 / samples);
            for (int i = 0; i < 30; ++i) {
                const double a = low + (high - low) / 3;
                const double b = high - (high - low) / 3;
                if (distance(bezierAt(curve, a), point) < distance(bezierAt(curve, b), point))
                    high = b;
                else
                    low = a;
            }
            nearest = (low + high) / 2;
            nearestDistance = distance(bezierAt(curve, nearest), point);
            if (nearestDistance < best) {
                best = nearestDistance;
                *from = NodeRef{s, n};
                *t = nearest;
            }
        }
    }
    return best <= tolerance;
}

NodeRef insertNode(ZenubPath& path, const NodeRef& from, double t)
{
    const QVector<QPointF> c = segment(path, from);
    if (c.isEmpty())
        return NodeRef();
    ZenubPath::Subpath& subpath = path.subpaths()[from.subpath];
    const int next = (from.node + 1) % subpath.nodes.size();
    const bool bStraight = c[1] == c[0] && c[2] == c[3];
    const QPointF p01 = lerp(c[0], c[1], t);
    const QPointF p12 = lerp(c[1], c[2], t);
    const QPointF p23 = lerp(c[2], c[3], t);
    const QPointF p012 = lerp(p01, p12, t);
    const QPointF p123 = lerp(p12, p23, t);
    const QPointF at = lerp(p012, p123, t);
    // On a straight segment the new node is a corner without handles, and so are its sides.
    ZenubPathNode added = bStraight ? ZenubPathNode(at) : ZenubPathNode(at, p012, p123, true);
    if (!bStraight) {
        subpath.nodes[from.node].out = p01;
        subpath.nodes[next].in = p23;
    }
    // Built anew rather than inserted into: GCC 12 misreads QVector::insert of this type.
    subpath.nodes = subpath.nodes.mid(0, from.node + 1) + QVector<ZenubPathNode>{added} +
                    subpath.nodes.mid(from.node + 1);
    return NodeRef{from.subpath, from.node + 1};
}

bool deleteNodes(ZenubPath& path, QVector<NodeRef> nodes)
{
    std::sort(nodes.begin(), nodes.end(), [](const NodeRef& a, const NodeRef& b) {
        return a.subpath != b.subpath ? a.subpath > b.subpath : a.node > b.node;
    });
    nodes.erase(std::unique(nodes.begin(), nodes.end()), nodes.end());
    bool bDeleted = false;
    for (const NodeRef& ref : qAsConst(nodes)) {
        if (!nodeAt(path, ref))
            continue;
        QVector<ZenubPathNode>& subpathNodes = path.subpaths()[ref.subpath].nodes;
        subpathNodes.removeAt(ref.node);
        if (subpathNodes.size() < 2)
            path.subpaths().removeAt(ref.subpath);
        bDeleted = true;
    }
    return bDeleted;
}

bool setSmooth(ZenubPath& path, const QVector<NodeRef>& nodes, bool bSmooth)
{
    const ZenubPath before = path;
    for (const NodeRef& ref : nodes) {
        ZenubPathNode* node = nodeAt(path, ref);
        if (!node)
            continue;
        node->smooth = bSmooth;
        if (!bSmooth) {
            // A corner shows as one: straight sides meeting at the node.
            node->in = node->point;
            node->out = node->point;
            continue;
        }
        const ZenubPath::Subpath& subpath = path.getSubpaths().at(ref.subpath);
        const int count = subpath.nodes.size();
        const bool bHasPrevious = subpath.closed || ref.node > 0;
        const bool bHasNext = subpath.closed || ref.node < count - 1;
        const QPointF previous =
            bHasPrevious ? subpath.nodes.at((ref.node + count - 1) % count).point : node->point;
        const QPointF next =
            bHasNext ? subpath.nodes.at((ref.node + 1) % count).point : node->point;
        // Along the line through both neighbours, each handle a third of the way to its own.
        QPointF direction = unit(node->out - node->in);
        if (direction.isNull())
            direction = unit(next - previous);
        const double inLength = node->in != node->point ? distance(node->in, node->point)
                                                        : distance(previous, node->point) / 3;
        const double outLength = node->out != node->point ? distance(node->out, node->point)
                                                          : distance(next, node->point) / 3;
        node->in = node->point - direction * inLength;
        node->out = node->point + direction * outLength;
    }
    return path != before;
}

bool setClosed(ZenubPath& path, const QVector<NodeRef>& nodes, bool bClosed)
{
    bool bChanged = false;
    QVector<int> done;
    for (const NodeRef& ref : nodes) {
        if (!nodeAt(path, ref) || done.contains(ref.subpath))
            continue;
        done.append(ref.subpath);
        ZenubPath::Subpath& subpath = path.subpaths()[ref.subpath];
        if (subpath.closed == bClosed)
            continue;
        bChanged = true;
        if (bClosed) {
            subpath.closed = true;
            continue;
        }
        // Cut at the node: the line starts there, runs all the way round and ends there.
        QVector<ZenubPathNode> opened =
            subpath.nodes.mid(ref.node) + subpath.nodes.mid(0, ref.node);
        ZenubPathNode end = opened.constFirst();
        end.out = end.point;
        opened.first().in = opened.first().point;
        opened.append(end);
        subpath.nodes = opened;
        subpath.closed = false;
    }
    return bChanged;
}

void rebox(ZenubShape& shape)
{
    if (shape.getPath().isEmpty())
        return;
    QRectF bounds = PathEdits::outlineBounds(shape);
    // A line straight across or down keeps a box a pixel wide, as it was drawn.
    const QSizeF first = shape.tracks().size().value();
    const double minWidth = 1.0 / std::max(1.0, first.width());
    const double minHeight = 1.0 / std::max(1.0, first.height());
    if (bounds.width() < minWidth)
        bounds.adjust(-(minWidth - bounds.width()) / 2, 0, (minWidth - bounds.width()) / 2, 0);
    if (bounds.height() < minHeight)
        bounds.adjust(0, -(minHeight - bounds.height()) / 2, 0, (minHeight - bounds.height()) / 2);
    if (std::abs(bounds.left()) < 1e-12 && std::abs(bounds.top()) < 1e-12 &&
        std::abs(bounds.width() - 1) < 1e-12 && std::abs(bounds.height() - 1) < 1e-12)
        return;
    const QTransform toBox = QTransform()
                                 .scale(1 / bounds.width(), 1 / bounds.height())
                                 .translate(-bounds.left(), -bounds.top());
    shape.tracks().path().mapValues([&toBox](const ZenubPath& path) { return path.mapped(toBox); });
    shape.tracks().mapBoxKeys([&bounds](ZenubKeyframe keyframe) {
        const QRectF old(keyframe.getX(), keyframe.getY(), keyframe.getWidth(),
                         keyframe.getHeight());
        QRectF box(old.left() + bounds.left() * old.width(),
                   old.top() + bounds.top() * old.height(), bounds.width() * old.width(),
                   bounds.height() * old.height());
        // A turned box turns about its new centre: moved by (R - 1)(c' - c), every point stays.
        const QPointF shift = box.center() - old.center();
        box.translate(QTransform().rotate(keyframe.getRotation()).map(shift) - shift);
        keyframe.setX(box.x());
        keyframe.setY(box.y());
        keyframe.setWidth(box.width());
        keyframe.setHeight(box.height());
        return keyframe;
    });
}

} // namespace NodeEdits
