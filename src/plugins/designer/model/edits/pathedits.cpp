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
                  const QTransform& parentToStage)
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
    // Keyed at the frame where the nodes are animated, as every edit at a frame is.
    shape.tracks().path().edit(qRound(frame), shape.tracks().homeFrame(), false,
                               inParent.mapped(fromBox));
    fitBox(shape);
}

int splitSegment(ZenubPath& path, int subpath, int segment, double t)
{
    QVector<ZenubPathNode>& nodes = path.subpaths()[subpath].nodes;
    ZenubPathNode& from = nodes[segment];
    ZenubPathNode& to = nodes[(segment + 1) % nodes.size()];
    ZenubPathNode middle;
    if (from.out == from.point && to.in == to.point) {
        // Where the curve through t is (as nearestSegment() counts t), on the line.
        middle = ZenubPathNode(cubicAt(from.point, from.out, to.in, to.point, t));
    } else {
        // De Casteljau: the two halves are the same curve.
        const QPointF q0 = lerp(from.point, from.out, t);
        const QPointF q1 = lerp(from.out, to.in, t);
        const QPointF q2 = lerp(to.in, to.point, t);
        const QPointF r0 = lerp(q0, q1, t);
        const QPointF r1 = lerp(q1, q2, t);
        middle = ZenubPathNode(lerp(r0, r1, t), r0, r1, true);
        from.out = q0;
        to.in = q2;
    }
    // Appended and turned into place: QVector::insert() of this type upsets GCC's overflow check.
    nodes.append(middle);
    std::rotate(nodes.begin() + segment + 1, nodes.end() - 1, nodes.end());
    return segment + 1;
}

double nearestSegment(const ZenubPath& path, const QPointF& point, int* subpath, int* segment,
                      double* t)
{
    double best = -1;
    const QVector<ZenubPath::Subpath>& subpaths = path.getSubpaths();
    for (int s = 0; s < subpaths.size(); ++s) {
        const QVector<ZenubPathNode>& nodes = subpaths.at(s).nodes;
        const int segments = subpaths.at(s).closed ? nodes.size() : nodes.size() - 1;
        for (int i = 0; i < segments; ++i) {
            const ZenubPathNode& from = nodes.at(i);
            const ZenubPathNode& to = nodes.at((i + 1) % nodes.size());
            const auto at = [&](double u) {
                return cubicAt(from.point, from.out, to.in, to.point, u);
            };
            // Coarse samples, then halving the step around the nearest.
            const int samples = 64;
            double u = 0;
            double nearest = std::numeric_limits<double>::infinity();
            for (int k = 0; k <= samples; ++k) {
                const double d = distance(at(double(k) / samples), point);
                if (d < nearest) {
                    nearest = d;
                    u = double(k) / samples;
                }
            }
            for (double step = 0.5 / samples; step > 1e-9; step /= 2) {
                for (const double candidate : {u - step, u + step}) {
                    const double clamped = std::clamp(candidate, 0.0, 1.0);
                    const double d = distance(at(clamped), point);
                    if (d < nearest) {
                        nearest = d;
                        u = clamped;
                    }
                }
            }
            if (best < 0 || nearest < best) {
                best = nearest;
                *subpath = s;
                *segment = i;
                *t = u;
            }
        }
    }
    return best;
}

bool removeNodes(ZenubPath& path, const QVector<QPair<int, int>>& nodes)
{
    QVector<QPair<int, int>> sorted = nodes;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    bool changed = false;
    QVector<ZenubPath::Subpath>& subpaths = path.subpaths();
    for (auto it = sorted.crbegin(); it != sorted.crend(); ++it) {
        if (it->first < 0 || it->first >= subpaths.size() || it->second < 0 ||
            it->second >= subpaths.at(it->first).nodes.size())
            continue;
        subpaths[it->first].nodes.removeAt(it->second);
        changed = true;
    }
    for (int s = subpaths.size() - 1; s >= 0; --s) {
        if (subpaths.at(s).nodes.isEmpty())
            subpaths.removeAt(s);
        else if (subpaths.at(s).nodes.size() == 1)
            subpaths[s].closed = false;
    }
    return changed;
}

void setSmooth(ZenubPath& path, int subpath, int node, bool smooth)
{
    ZenubPath::Subpath& within = path.subpaths()[subpath];
    QVector<ZenubPathNode>& nodes = within.nodes;
    ZenubPathNode& each = nodes[node];
    each.smooth = smooth;
    if (!smooth)
        return;
    const int count = nodes.size();
    const bool hasBefore = within.closed || node > 0;
    const bool hasAfter = within.closed || node + 1 < count;
    const QPointF before = hasBefore ? nodes.at((node + count - 1) % count).point : each.point;
    const QPointF after = hasAfter ? nodes.at((node + 1) % count).point : each.point;
    QPointF direction = each.out - each.in;
    if (direction.isNull())
        direction = after - before;
    const double length = std::hypot(direction.x(), direction.y());
    if (length == 0)
        return;
    direction /= length;
    const double in =
        each.in != each.point ? distance(each.in, each.point) : distance(before, each.point) / 3;
    const double out =
        each.out != each.point ? distance(each.out, each.point) : distance(after, each.point) / 3;
    each.in = each.point - direction * in;
    each.out = each.point + direction * out;
}

ZenubPathNode movedHandle(const ZenubPathNode& node, bool out, const QPointF& position)
{
    ZenubPathNode moved = node;
    QPointF& handle = out ? moved.out : moved.in;
    QPointF& other = out ? moved.in : moved.out;
    handle = position;
    const QPointF away = node.point - position;
    const double length = std::hypot(away.x(), away.y());
    if (moved.smooth && length > 0 && other != node.point)
        other = node.point + away / length * distance(other, node.point);
    return moved;
}

} // namespace PathEdits
