// SPDX-License-Identifier: MIT
#include "pathedits.h"

#include "boxedits.h"
#include "model/project/zenubshape.h"
#include "model/render/shapegeometry.h"
#include "model/render/textlayout.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QPointF lerp(const QPointF& a, const QPointF& b, double t)
{
    return a + (b - a) * t;
}

QPointF cubicAt(const QPointF& p0, const QPointF& p1, const QPointF& p2, const QPointF& p3,
                double t)
{
    const double r = 1 - t;
    return p0 * (r * r * r) + p1 * (3 * r * r * t) + p2 * (3 * r * t * t) + p3 * (t * t * t);
}

double distance(const QPointF& a, const QPointF& b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

QPointF bezierAt(const QVector<QPointF>& c, double t)
{
    return cubicAt(c[0], c[1], c[2], c[3], t);
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

// The outlines of a text's glyphs in its box (0,0 its top-left corner), one per colour: an
// invalid colour stands for the text's fill.
QVector<QPair<QColor, QPainterPath>> glyphs(const ZenubText& text, const QSizeF& size)
{
    const std::shared_ptr<const TextLayout> layout = TextLayout::of(text, size);
    QVector<QPair<QColor, QPainterPath>> outlines;
    const double top = layout->blockTop(size.height());
    for (const TextLayout::Line& line : layout->lines()) {
        const double x = layout->lineX(line, size.width());
        for (int f = line.first; f < line.first + line.count; ++f) {
            const TextLayout::Fragment& fragment = layout->fragments().at(f);
            const ZenubTextRun& run = text.getRuns().at(fragment.run);
            auto found = std::find_if(
                outlines.begin(), outlines.end(),
                [&](const QPair<QColor, QPainterPath>& each) { return each.first == run.color; });
            if (found == outlines.end()) {
                outlines.append({run.color, QPainterPath()});
                found = outlines.end() - 1;
            }
            const QFont& font = layout->fontOf(fragment.run);
            const QPointF at(x + fragment.x, top + line.baseline);
            found->second.addText(at, font, TextLayout::wordsOf(text, fragment));
            if (run.underline) {
                const double pixels = font.pixelSize();
                found->second.addRect(QRectF(at.x(), at.y() + pixels / 10, fragment.width,
                                             std::max(1.0, pixels / 16)));
            }
        }
    }
    return outlines;
}

// A path shape showing \a outline, drawn in box pixels, in place of \a shape.
ZenubShape pathFrom(const ZenubShape& shape, const QPainterPath& outline, const QSizeF& size)
{
    ZenubShape path = shape;
    path.setType(ZenubShape::Type::Path);
    ZenubPath nodes = PathEdits::fromPainterPath(outline);
    nodes.setFillRule(ZenubPath::FillRule::NonZero);
    path.setPath(nodes.mapped(QTransform::fromScale(1 / size.width(), 1 / size.height())));
    path.setText(QString());
    path.setStrokeWidth(0);
    PathEdits::fitBox(path);
    return path;
}

} // namespace

namespace PathEdits {

bool canConvert(const ZenubShape& shape)
{
    switch (shape.getType()) {
    case ZenubShape::Type::Rectangle:
    case ZenubShape::Type::Ellipse:
    case ZenubShape::Type::Polygon:
    case ZenubShape::Type::Star:
    case ZenubShape::Type::Text:
        return true;
    case ZenubShape::Type::Path:
    case ZenubShape::Type::Image:
    case ZenubShape::Type::Group:
        break;
    }
    return false;
}

bool toPath(ZenubShape& shape, double frame)
{
    ZenubShapeState state;
    if (!canConvert(shape) || !shape.stateAt(frame, &state))
        return false;
    if (shape.getType() != ZenubShape::Type::Text) {
        shape.setPath(ShapeGeometry::outline(shape, state));
        shape.setType(ZenubShape::Type::Path);
        return true;
    }
    const QSizeF size = state.rect().size();
    if (size.width() <= 0 || size.height() <= 0)
        return false;
    const QVector<QPair<QColor, QPainterPath>> outlines = glyphs(shape.getTextContent(), size);
    if (outlines.isEmpty())
        return false;
    const auto coloured = [&](ZenubShape path, const QColor& color) {
        if (color.isValid()) {
            ZenubPaint fill(color);
            fill.setOpacity(shape.getFill().getOpacity());
            path.setFill(fill);
        }
        return path;
    };
    if (outlines.size() == 1) {
        shape = coloured(pathFrom(shape, outlines.constFirst().second, size),
                         outlines.constFirst().first);
        return true;
    }
    // One path per colour, in a group that takes the text's place and keyframes.
    ZenubShape member = shape;
    member.setName(QString());
    ZenubShapeTracks& box = member.tracks();
    box.position() = ZenubTrack<QPointF>(QPointF(0, 0));
    box.size() = ZenubTrack<QSizeF>(size);
    box.rotation() = ZenubTrack<double>(0);
    box.opacity() = ZenubTrack<double>(1);
    member.setKeyframe(ZenubKeyframe(0, 0, 0, size.width(), size.height()));
    QVector<ZenubShape> members;
    for (const auto& outline : outlines) {
        ZenubShape path = coloured(pathFrom(member, outline.second, size), outline.first);
        path.setName(shape.getName());
        members.append(path);
    }
    ZenubShape group = shape;
    group.setType(ZenubShape::Type::Group);
    group.setText(QString());
    group.setStrokeWidth(0);
    group.setContentSize(size);
    group.setMembers(members);
    shape = group;
    return true;
}

ZenubPath fromPainterPath(const QPainterPath& path)
{
    ZenubPath result;
    result.setFillRule(path.fillRule() == Qt::WindingFill ? ZenubPath::FillRule::NonZero
                                                          : ZenubPath::FillRule::EvenOdd);
    QVector<ZenubPathNode> nodes;
    const auto finish = [&] {
        if (nodes.isEmpty())
            return;
        bool closed = false;
        // Outlines come back to where they started; that is one node, closed.
        if (nodes.size() > 1 && nodes.constFirst().point == nodes.constLast().point) {
            nodes.first().in = nodes.constLast().in;
            nodes.removeLast();
            closed = true;
        }
        result.addSubpath(nodes, closed);
        nodes.clear();
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        const QPointF point(element.x, element.y);
        switch (element.type) {
        case QPainterPath::MoveToElement:
            finish();
            nodes.append(ZenubPathNode(point));
            break;
        case QPainterPath::LineToElement:
            nodes.append(ZenubPathNode(point));
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element second = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            nodes.last().out = point;
            nodes.append(ZenubPathNode(QPointF(end.x, end.y), QPointF(second.x, second.y),
                                       QPointF(end.x, end.y)));
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    finish();
    return result;
}

QRectF outlineBounds(const ZenubShape& shape)
{
    const ZenubTrack<ZenubPath>& track = shape.tracks().path();
    const auto boundsOf = [](const ZenubPath& path) {
        return path.toPainterPath(QRectF(0, 0, 1, 1)).boundingRect();
    };
    if (!track.isKeyed())
        return boundsOf(track.value());
    // One box for every keyframe, so that all of them keep where they are drawn.
    QRectF bounds = boundsOf(track.keys().constFirst().value);
    for (const auto& key : track.keys()) {
        const QRectF each = boundsOf(key.value);
        bounds = QRectF(
            QPointF(std::min(bounds.left(), each.left()), std::min(bounds.top(), each.top())),
            QPointF(std::max(bounds.right(), each.right()),
                    std::max(bounds.bottom(), each.bottom())));
    }
    return bounds;
}

bool fitBox(ZenubShape& shape)
{
    if (shape.getPath().isEmpty())
        return false;
    const QRectF bounds = outlineBounds(shape);
    if (bounds == QRectF(0, 0, 1, 1))
        return false;
    const QPointF centre = bounds.center();
    shape.tracks().mapBoxKeys([&bounds, &centre](const ZenubKeyframe& keyframe) {
        const QSizeF size(keyframe.getWidth() * bounds.width(),
                          keyframe.getHeight() * bounds.height());
        return BoxEdits::refit(keyframe, size, centre, QPointF(0.5, 0.5));
    });
    // An axis without extent keeps its nodes at 0: any place on it is the same.
    const double sx = bounds.width() > 0 ? 1 / bounds.width() : 0;
    const double sy = bounds.height() > 0 ? 1 / bounds.height() : 0;
    const QTransform toBox(sx, 0, 0, sy, -bounds.x() * sx, -bounds.y() * sy);
    shape.tracks().path().mapValues([&toBox](const ZenubPath& path) { return path.mapped(toBox); });
    return true;
}

ZenubPath toStage(const ZenubShape&, const ZenubShapeState& state, const QTransform& parentToStage)
{
    const QRectF box = state.rect();
    const QTransform toBox(box.width(), 0, 0, box.height(), box.x(), box.y());
    return state.path.mapped(toBox * state.transform() * parentToStage);
}

void setFromStage(ZenubShape& shape, double frame, const ZenubPath& stagePath,
                  const QTransform& parentToStage, bool autoKey)
{
    const ZenubPath inParent = stagePath.mapped(parentToStage.inverted());
    ZenubKeyframe state;
    if (shape.tracks().keyFrames().isEmpty()) {
        // A new path: its first box is its outline's.
        const QRectF bounds = inParent.toPainterPath(QTransform()).boundingRect();
        state =
            ZenubKeyframe(qRound(frame), bounds.x(), bounds.y(), bounds.width(), bounds.height());
        shape.setKeyframe(state);
    }
    shape.stateAt(frame, &state);
    // A box without width or height cannot say where nodes off its line go: give it one pixel
    // there (in every keyframe without it), and fitBox() takes the outline's own.
    const bool flatX = state.getWidth() == 0;
    const bool flatY = state.getHeight() == 0;
    if (flatX || flatY) {
        shape.tracks().mapBoxKeys([flatX, flatY](ZenubKeyframe keyframe) {
            if (flatX && keyframe.getWidth() == 0)
                keyframe.setWidth(1);
            if (flatY && keyframe.getHeight() == 0)
                keyframe.setHeight(1);
            return keyframe;
        });
        shape.stateAt(frame, &state);
    }
    ZenubShapeState full;
    full.box = state;
    const QRectF box = full.rect();
    const QTransform fromBox =
        full.transform().inverted() * QTransform(1 / box.width(), 0, 0, 1 / box.height(),
                                                 -box.x() / box.width(), -box.y() / box.height());
    const ZenubPath edited = inParent.mapped(fromBox);
    shape.editStateAt(qRound(frame), autoKey,
                      [&edited](ZenubShapeState& each) { each.path = edited; });
    fitBox(shape);
}

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

} // namespace PathEdits
