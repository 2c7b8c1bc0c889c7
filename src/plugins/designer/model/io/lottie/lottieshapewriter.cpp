// SPDX-License-Identifier: MIT
#include "lottieshapewriter.h"

#include "lottiepaintwriter.h"
#include "lottietrackwriter.h"
#include "model/project/zenubshape.h"
#include "model/project/zenubshapestate.h"
#include "model/render/shapegeometry.h"

#include <QPainterPath>

#include <algorithm>

namespace {

QJsonArray point(const QPointF& p)
{
    return {p.x(), p.y()};
}

QJsonObject still(const QJsonValue& value)
{
    return {{QStringLiteral("a"), 0}, {QStringLiteral("k"), value}};
}

QJsonObject bezierValue(const QVector<ZenubPathNode>& nodes, bool closed)
{
    QJsonArray vertices;
    QJsonArray in;
    QJsonArray out;
    for (const ZenubPathNode& node : nodes) {
        vertices.append(point(node.point));
        in.append(point(node.in - node.point));
        out.append(point(node.out - node.point));
    }
    return {{QStringLiteral("c"), closed},
            {QStringLiteral("v"), vertices},
            {QStringLiteral("i"), in},
            {QStringLiteral("o"), out}};
}

QJsonObject bezier(const QVector<ZenubPathNode>& nodes, bool closed)
{
    return {{QStringLiteral("ty"), QStringLiteral("sh")},
            {QStringLiteral("ks"), still(bezierValue(nodes, closed))}};
}

// A subpath as numbers: closed, node count, then each node's point and handles (relative).
// Players keep the node count of an outline's first key, so a subpath with fewer nodes is
// given more on its last node (drawn the same); a missing one is \a nodes on one point.
QVector<double> subpathValues(const ZenubPath& path, int index, int nodes = 0)
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

QJsonValue subpathJson(const QVector<double>& values)
{
    QVector<ZenubPathNode> nodes;
    for (int i = 2; i + 5 < values.size(); i += 6) {
        const QPointF p(values.at(i), values.at(i + 1));
        nodes.append(ZenubPathNode(p, p + QPointF(values.at(i + 2), values.at(i + 3)),
                                   p + QPointF(values.at(i + 4), values.at(i + 5))));
    }
    return bezierValue(nodes, values.value(0) != 0);
}

// Outlines of the same subpaths and node counts, closed alike, mix; others hold.
bool sameForm(const ZenubPath& a, const ZenubPath& b)
{
    if (a.getSubpaths().size() != b.getSubpaths().size())
        return false;
    for (int i = 0; i < a.getSubpaths().size(); ++i)
        if (a.getSubpaths().at(i).closed != b.getSubpaths().at(i).closed ||
            a.getSubpaths().at(i).nodes.size() != b.getSubpaths().at(i).nodes.size())
            return false;
    return true;
}

// Each subpath of an animated outline as a Lottie path of its own, keyed where the outline is;
// a key with fewer subpaths gives the rest no nodes.
QJsonArray pathItems(const ZenubTrack<ZenubPath>& track, double start)
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
    QJsonArray items;
    for (int i = 0; i < nodes.size(); ++i) {
        const int count = nodes.at(i);
        const LottieTrack subpath = LottieTrackWriter::of(
            track, start,
            [i, count](const ZenubPath& path) { return subpathValues(path, i, count); }, sameForm);
        items.append(QJsonObject{{QStringLiteral("ty"), QStringLiteral("sh")},
                                 {QStringLiteral("ks"), subpath.toJsonWith(subpathJson)}});
    }
    return items;
}

template<typename T>
bool anyOf(const ZenubTrack<T>& track, const std::function<bool(const T&)>& test)
{
    if (!track.isKeyed())
        return test(track.value());
    return std::any_of(track.keys().cbegin(), track.keys().cend(),
                       [&test](const auto& key) { return test(key.value); });
}

// Whether a paint shows at some frame: visible at some key, at an opacity above 0 at another.
bool everShown(const ZenubTrack<ZenubPaint>& paint, const ZenubTrack<double>& opacity)
{
    return anyOf<ZenubPaint>(paint, [](const ZenubPaint& p) { return p.isVisible(); }) &&
           anyOf<double>(opacity, [](double o) { return o > 0; });
}

QVector<double> number(double value)
{
    return {value};
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

LottieBoxTracks LottieBoxTracks::of(const ZenubShape& shape, double sceneStart)
{
    const ZenubShapeTracks& tracks = shape.tracks();
    LottieBoxTracks box;
    box.position = LottieTrackWriter::of(tracks.position(), sceneStart, [](const QPointF& p) {
        return QVector<double>{p.x(), p.y()};
    });
    box.size = LottieTrackWriter::of(tracks.size(), sceneStart, [](const QSizeF& s) {
        return QVector<double>{s.width(), s.height()};
    });
    box.rotation = LottieTrackWriter::of(tracks.rotation(), sceneStart, number);
    box.opacity = LottieTrackWriter::of(tracks.opacity(), sceneStart, number);
    if (shape.refitsText()) {
        // The box is where the words' lines are at each frame's font size.
        int first = 0;
        int last = 0;
        LottieTrackWriter::span(
            tracks, {ZenubProperty::Position, ZenubProperty::Size, ZenubProperty::FontSize}, &first,
            &last);
        const auto shown = [&shape](double frame) {
            ZenubShapeState state;
            shape.stateAt(frame, &state);
            return state.rect();
        };
        box.position = LottieTrack::sampled(first, last, sceneStart, [&shown](double frame) {
            const QRectF rect = shown(frame);
            return QVector<double>{rect.x(), rect.y()};
        });
        box.size = LottieTrack::sampled(first, last, sceneStart, [&shown](double frame) {
            const QRectF rect = shown(frame);
            return QVector<double>{rect.width(), rect.height()};
        });
    }
    return box;
}

LottieShapeWriter::LottieShapeWriter(double sceneStart)
    : m_sceneStart(sceneStart)
{}

LottieTrack LottieShapeWriter::constant(std::initializer_list<double> values)
{
    return LottieTrack(QVector<double>(values));
}

QJsonArray LottieShapeWriter::colour(const QColor& color)
{
    return {color.redF(), color.greenF(), color.blueF()};
}

QJsonObject LottieShapeWriter::transform(const LottieTrack& anchor, const LottieTrack& position,
                                         const LottieTrack& scale, const LottieTrack& rotation,
                                         const LottieTrack& opacity, const QString& type)
{
    const auto orDefault = [](const LottieTrack& track, std::initializer_list<double> identity) {
        return track.keys().isEmpty() ? constant(identity) : track;
    };
    QJsonObject object{
        {QStringLiteral("a"), orDefault(anchor, {0, 0}).toJson(false)},
        {QStringLiteral("p"), orDefault(position, {0, 0}).toJson(false)},
        {QStringLiteral("s"), orDefault(scale, {100, 100}).toJson(false)},
        {QStringLiteral("r"), orDefault(rotation, {0}).toJson(true)},
        {QStringLiteral("o"), orDefault(opacity, {100}).toJson(true)},
    };
    if (!type.isEmpty())
        object.insert(QStringLiteral("ty"), type);
    return object;
}

QJsonObject LottieShapeWriter::shape(const ZenubShape& shape, const LottieTrack& opacity) const
{
    const LottieBoxTracks box = LottieBoxTracks::of(shape, m_sceneStart);
    const LottieTrack faded = LottiePaintWriter::product(box.opacity, opacity);
    return boxGroup(shape.getName(), content(shape, box, faded), box);
}

QJsonObject LottieShapeWriter::boxGroup(const QString& name, const QJsonArray& items,
                                        const LottieBoxTracks& box) const
{
    const LottieTrack centre = box.size.mapped([](const QVector<double>& v) {
        return QVector<double>{v.value(0) / 2, v.value(1) / 2};
    });
    QJsonArray turned = items;
    turned.append(transform(centre, centre, {}, box.rotation, {}, QStringLiteral("tr")));
    const QJsonObject inner{{QStringLiteral("ty"), QStringLiteral("gr")},
                            {QStringLiteral("nm"), QStringLiteral("Box")},
                            {QStringLiteral("it"), turned}};
    return {{QStringLiteral("ty"), QStringLiteral("gr")},
            {QStringLiteral("nm"), name},
            {QStringLiteral("it"),
             QJsonArray{inner, transform({}, box.position, {}, {}, {}, QStringLiteral("tr"))}}};
}

QJsonArray LottieShapeWriter::content(const ZenubShape& shape, const LottieBoxTracks& box,
                                      const LottieTrack& opacity) const
{
    const LottieTrack& size = box.size;
    const ZenubShapeTracks& tracks = shape.tracks();
    const auto scaledGroup = [&size](const QJsonArray& items) {
        QJsonArray scaled = items;
        scaled.append(transform({}, {}, size.mapped([](const QVector<double>& v) {
            return QVector<double>{v.value(0) * 100, v.value(1) * 100};
        }),
                                {}, {}, QStringLiteral("tr")));
        return QJsonObject{{QStringLiteral("ty"), QStringLiteral("gr")},
                           {QStringLiteral("nm"), QStringLiteral("Outline")},
                           {QStringLiteral("it"), scaled}};
    };
    QJsonArray items;
    int fillRule = 1;
    switch (shape.getType()) {
    case ZenubShape::Type::Rectangle:
    case ZenubShape::Type::Ellipse: {
        const bool rectangle = shape.getType() == ZenubShape::Type::Rectangle;
        QJsonObject item{
            {QStringLiteral("ty"), rectangle ? QStringLiteral("rc") : QStringLiteral("el")},
            {QStringLiteral("p"), size.mapped([](const QVector<double>& v) {
                                          return QVector<double>{v.value(0) / 2, v.value(1) / 2};
                                      })
                                      .toJson(false)},
            {QStringLiteral("s"), size.toJson(false)}};
        if (rectangle)
            item.insert(
                QStringLiteral("r"),
                LottieTrackWriter::of(tracks.cornerRadius(), m_sceneStart, number).toJson(true));
        items.append(item);
        break;
    }
    case ZenubShape::Type::Path:
        items.append(scaledGroup(pathItems(tracks.path(), m_sceneStart)));
        if (shape.getPath().getFillRule() == ZenubPath::FillRule::EvenOdd)
            fillRule = 2;
        break;
    case ZenubShape::Type::Polygon:
    case ZenubShape::Type::Star:
        items.append(scaledGroup({polyStar(shape)}));
        break;
    case ZenubShape::Type::Group: {
        QJsonArray members;
        const QVector<ZenubShape>& shapes = shape.getMembers();
        // The first item of a Lottie group is drawn on top.
        for (auto it = shapes.crbegin(); it != shapes.crend(); ++it)
            members.append(this->shape(*it, opacity));
        const QSizeF content = shape.getContentSize();
        members.append(transform({}, {}, size.mapped([content](const QVector<double>& v) {
            return QVector<double>{content.width() > 0 ? v.value(0) / content.width() * 100 : 100,
                                   content.height() > 0 ? v.value(1) / content.height() * 100
                                                        : 100};
        }),
                                 {}, {}, QStringLiteral("tr")));
        return {QJsonObject{{QStringLiteral("ty"), QStringLiteral("gr")},
                            {QStringLiteral("nm"), QStringLiteral("Content")},
                            {QStringLiteral("it"), members}}};
    }
    case ZenubShape::Type::Text:
    case ZenubShape::Type::Image:
        return {};
    }
    // The first drawn is the last listed: the stroke goes over the fill.
    const LottiePaintWriter paints(m_sceneStart);
    if (everShown(tracks.stroke(), tracks.strokeOpacity()) &&
        anyOf<double>(tracks.strokeWidth(), [](double width) { return width > 0; }))
        for (const QJsonValue& stroke : paints.stroke(tracks, shape.getStroke(), size, opacity))
            items.append(stroke);
    if (everShown(tracks.fill(), tracks.fillOpacity()))
        for (const QJsonValue& fill : paints.fill(tracks, fillRule, size, opacity))
            items.append(fill);
    return items;
}

QJsonObject LottieShapeWriter::polyStar(const ZenubShape& shape) const
{
    const ZenubShapeTracks& tracks = shape.tracks();
    const bool star = shape.getType() == ZenubShape::Type::Star;
    if (anyOf<double>(tracks.roundness(), [](double r) { return r > 0; })) {
        // Lottie rounds corners by a rule of its own: the outline keeps ours, drawn at every
        // frame where the corners, points or inner radius change.
        const auto outlineAt = [&tracks, star](double frame) {
            return ShapeGeometry::polygon(tracks.points().valueAt(frame),
                                          tracks.innerRadius().valueAt(frame),
                                          tracks.roundness().valueAt(frame), star);
        };
        int first = 0;
        int last = 0;
        LottieTrackWriter::span(
            tracks, {ZenubProperty::Points, ZenubProperty::InnerRadius, ZenubProperty::Roundness},
            &first, &last);
        int nodes = 0;
        for (int frame = first; frame <= last; ++frame)
            nodes = std::max(nodes, int(outlineAt(frame).getSubpaths().constFirst().nodes.size()));
        const LottieTrack outline = LottieTrack::sampled(
            first, last, m_sceneStart,
            [&outlineAt, nodes](double frame) { return subpathValues(outlineAt(frame), 0, nodes); },
            [&outlineAt](double from, double to) {
                return sameForm(outlineAt(from), outlineAt(to));
            });
        return {{QStringLiteral("ty"), QStringLiteral("sh")},
                {QStringLiteral("ks"), outline.toJsonWith(subpathJson)}};
    }
    QJsonObject item{{QStringLiteral("ty"), QStringLiteral("sr")},
                     {QStringLiteral("sy"), star ? 1 : 2},
                     {QStringLiteral("d"), 1},
                     {QStringLiteral("pt"),
                      LottieTrackWriter::steps(tracks.points(), m_sceneStart).toJson(true)},
                     {QStringLiteral("p"), constant({0.5, 0.5}).toJson(false)},
                     {QStringLiteral("r"), constant({0}).toJson(true)},
                     {QStringLiteral("or"), constant({0.5}).toJson(true)},
                     {QStringLiteral("os"), constant({0}).toJson(true)}};
    if (star) {
        item.insert(QStringLiteral("ir"),
                    LottieTrackWriter::of(tracks.innerRadius(), m_sceneStart, [](double r) {
                        return number(0.5 * r);
                    }).toJson(true));
        item.insert(QStringLiteral("is"), constant({0}).toJson(true));
    }
    return item;
}

QJsonObject LottieShapeWriter::outline(const QString& name,
                                       const QVector<QPair<QPainterPath, QJsonObject>>& outlines,
                                       const LottieBoxTracks& box) const
{
    QJsonArray items;
    for (auto it = outlines.crbegin(); it != outlines.crend(); ++it) {
        QJsonArray glyphs;
        for (const auto& subpath : subpathsOf(it->first))
            glyphs.append(bezier(subpath.first, subpath.second));
        glyphs.append(it->second);
        // Players build a group from its transform: every group has one.
        glyphs.append(transform({}, {}, {}, {}, {}, QStringLiteral("tr")));
        items.append(QJsonObject{{QStringLiteral("ty"), QStringLiteral("gr")},
                                 {QStringLiteral("nm"), QStringLiteral("Glyphs")},
                                 {QStringLiteral("it"), glyphs}});
    }
    return boxGroup(name, items, box);
}
