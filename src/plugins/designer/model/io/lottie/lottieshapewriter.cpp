// SPDX-License-Identifier: MIT
#include "lottieshapewriter.h"

#include "model/project/zenubshape.h"
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

QJsonObject bezier(const QVector<ZenubPathNode>& nodes, bool closed)
{
    QJsonArray vertices;
    QJsonArray in;
    QJsonArray out;
    for (const ZenubPathNode& node : nodes) {
        vertices.append(point(node.point));
        in.append(point(node.in - node.point));
        out.append(point(node.out - node.point));
    }
    const QJsonObject value{{QStringLiteral("c"), closed},
                            {QStringLiteral("v"), vertices},
                            {QStringLiteral("i"), in},
                            {QStringLiteral("o"), out}};
    return {{QStringLiteral("ty"), QStringLiteral("sh")}, {QStringLiteral("ks"), still(value)}};
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

// Multiplies the opacities of two tracks (0..1), exactly where one of them stands still.
LottieTrack product(const LottieTrack& a, const LottieTrack& b)
{
    return LottieTrack::combined(
        a, b,
        [](const QVector<double>& x, const QVector<double>& y) {
            return QVector<double>{x.value(0) * y.value(0)};
        },
        false);
}

LottieTrack percent(const LottieTrack& opacity, double factor)
{
    return opacity.mapped(
        [factor](const QVector<double>& v) { return QVector<double>{v.value(0) * factor * 100}; });
}

} // namespace

LottieBoxTracks LottieBoxTracks::of(const ZenubShape& shape, double sceneStart)
{
    LottieBoxTracks tracks;
    for (const ZenubKeyframe& keyframe : shape.getKeyframes()) {
        LottieKey key;
        key.frame = sceneStart + keyframe.getFrame();
        key.easing = {keyframe.getEasing()};
        key.value = {keyframe.getX(), keyframe.getY()};
        tracks.position.append(key);
        key.value = {keyframe.getWidth(), keyframe.getHeight()};
        tracks.size.append(key);
        key.value = {keyframe.getRotation()};
        tracks.rotation.append(key);
        key.value = {keyframe.getOpacity()};
        tracks.opacity.append(key);
    }
    return tracks;
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
    const LottieTrack faded = product(box.opacity, opacity);
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
    ZenubShapeState state;
    shape.stateAt(0, &state);
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
            item.insert(QStringLiteral("r"), constant({shape.getCornerRadius()}).toJson(true));
        items.append(item);
        break;
    }
    case ZenubShape::Type::Path: {
        QJsonArray outline;
        for (const ZenubPath::Subpath& subpath : shape.getPath().getSubpaths())
            if (!subpath.nodes.isEmpty())
                outline.append(bezier(subpath.nodes, subpath.closed));
        items.append(scaledGroup(outline));
        if (shape.getPath().getFillRule() == ZenubPath::FillRule::EvenOdd)
            fillRule = 2;
        break;
    }
    case ZenubShape::Type::Polygon:
    case ZenubShape::Type::Star: {
        const bool star = shape.getType() == ZenubShape::Type::Star;
        QJsonObject item;
        if (shape.getRoundness() > 0) {
            // Lottie rounds corners by a rule of its own; the outline keeps ours.
            const ZenubPath path = ShapeGeometry::polygon(shape.getPoints(), shape.getInnerRadius(),
                                                          shape.getRoundness(), star);
            item = bezier(path.getSubpaths().constFirst().nodes, true);
        } else {
            item = {{QStringLiteral("ty"), QStringLiteral("sr")},
                    {QStringLiteral("sy"), star ? 1 : 2},
                    {QStringLiteral("d"), 1},
                    {QStringLiteral("pt"), constant({double(shape.getPoints())}).toJson(true)},
                    {QStringLiteral("p"), constant({0.5, 0.5}).toJson(false)},
                    {QStringLiteral("r"), constant({0}).toJson(true)},
                    {QStringLiteral("or"), constant({0.5}).toJson(true)},
                    {QStringLiteral("os"), constant({0}).toJson(true)}};
            if (star) {
                item.insert(QStringLiteral("ir"),
                            constant({0.5 * shape.getInnerRadius()}).toJson(true));
                item.insert(QStringLiteral("is"), constant({0}).toJson(true));
            }
        }
        items.append(scaledGroup({item}));
        break;
    }
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
    if (state.stroke.isVisible())
        items.append(stroke(state.stroke, size, opacity));
    if (state.fill.isVisible())
        items.append(fill(state.fill, fillRule, size, opacity));
    return items;
}

QJsonObject LottieShapeWriter::outline(const QString& name,
                                       const QVector<QPair<QPainterPath, QColor>>& outlines,
                                       const LottieBoxTracks& box, const LottieTrack& opacity) const
{
    const LottieTrack faded = product(box.opacity, opacity);
    QJsonArray items;
    for (auto it = outlines.crbegin(); it != outlines.crend(); ++it) {
        QJsonArray glyphs;
        for (const auto& subpath : subpathsOf(it->first))
            glyphs.append(bezier(subpath.first, subpath.second));
        glyphs.append(fill(ZenubPaint(it->second), 1, box.size, faded));
        // Players build a group from its transform: every group has one.
        glyphs.append(transform({}, {}, {}, {}, {}, QStringLiteral("tr")));
        items.append(QJsonObject{{QStringLiteral("ty"), QStringLiteral("gr")},
                                 {QStringLiteral("nm"), QStringLiteral("Glyphs")},
                                 {QStringLiteral("it"), glyphs}});
    }
    return boxGroup(name, items, box);
}

QJsonObject LottieShapeWriter::fill(const ZenubPaint& paint, int fillRule, const LottieTrack& size,
                                    const LottieTrack& opacity) const
{
    QJsonObject object;
    if (!paint.isGradient()) {
        object = {{QStringLiteral("ty"), QStringLiteral("fl")},
                  {QStringLiteral("c"), still(colour(paint.getColor()))},
                  {QStringLiteral("o"),
                   percent(opacity, paint.getOpacity() * paint.getColor().alphaF()).toJson(true)}};
    } else {
        const QVector<ZenubGradientStop>& stops = paint.getStops();
        QJsonArray values;
        for (const ZenubGradientStop& stop : stops)
            values << stop.offset << stop.color.redF() << stop.color.greenF() << stop.color.blueF();
        if (std::any_of(stops.cbegin(), stops.cend(),
                        [](const ZenubGradientStop& stop) { return stop.color.alpha() < 255; }))
            for (const ZenubGradientStop& stop : stops)
                values << stop.offset << stop.color.alphaF();
        const QPointF start = paint.getStart();
        const QPointF end = paint.getEnd();
        const auto placed = [&size](const QPointF& relative) {
            return size.mapped([relative](const QVector<double>& v) {
                return QVector<double>{relative.x() * v.value(0), relative.y() * v.value(1)};
            });
        };
        object = {
            {QStringLiteral("ty"), QStringLiteral("gf")},
            {QStringLiteral("t"), paint.getType() == ZenubPaint::Type::LinearGradient ? 1 : 2},
            {QStringLiteral("s"), placed(start).toJson(false)},
            {QStringLiteral("e"), placed(end).toJson(false)},
            {QStringLiteral("g"), QJsonObject{{QStringLiteral("p"), stops.size()},
                                              {QStringLiteral("k"), still(values)}}},
            {QStringLiteral("o"), percent(opacity, paint.getOpacity()).toJson(true)}};
        if (paint.getType() == ZenubPaint::Type::RadialGradient) {
            object.insert(QStringLiteral("h"), constant({0}).toJson(true));
            object.insert(QStringLiteral("a"), constant({0}).toJson(true));
        }
    }
    object.insert(QStringLiteral("r"), fillRule);
    return object;
}

QJsonObject LottieShapeWriter::stroke(const ZenubStroke& stroke, const LottieTrack& size,
                                      const LottieTrack& opacity) const
{
    QJsonObject object = fill(stroke.getPaint(), 1, size, opacity);
    object.remove(QStringLiteral("r"));
    object.insert(QStringLiteral("ty"),
                  object.value(QStringLiteral("ty")).toString() == QLatin1String("fl")
                      ? QStringLiteral("st")
                      : QStringLiteral("gs"));
    object.insert(QStringLiteral("w"), constant({stroke.getWidth()}).toJson(true));
    switch (stroke.getCap()) {
    case ZenubStroke::Cap::Flat:
        object.insert(QStringLiteral("lc"), 1);
        break;
    case ZenubStroke::Cap::Round:
        object.insert(QStringLiteral("lc"), 2);
        break;
    case ZenubStroke::Cap::Square:
        object.insert(QStringLiteral("lc"), 3);
        break;
    }
    switch (stroke.getJoin()) {
    case ZenubStroke::Join::Miter:
        object.insert(QStringLiteral("lj"), 1);
        break;
    case ZenubStroke::Join::Round:
        object.insert(QStringLiteral("lj"), 2);
        break;
    case ZenubStroke::Join::Bevel:
        object.insert(QStringLiteral("lj"), 3);
        break;
    }
    object.insert(QStringLiteral("ml"), stroke.getMiterLimit());
    if (stroke.isDashed()) {
        // An odd pattern repeats twice over before it starts again, as on the web: said in full.
        const QVector<double>& dashes = stroke.getDashes();
        const int count = dashes.size() % 2 ? dashes.size() * 2 : dashes.size();
        QJsonArray pattern;
        // Players look the items up by their names, so each has its own.
        for (int i = 0; i < count; ++i)
            pattern.append(QJsonObject{
                {QStringLiteral("n"), i % 2 ? QStringLiteral("g") : QStringLiteral("d")},
                {QStringLiteral("nm"),
                 (i % 2 ? QStringLiteral("Gap %1") : QStringLiteral("Dash %1")).arg(i / 2 + 1)},
                {QStringLiteral("v"), constant({dashes.at(i % dashes.size())}).toJson(true)}});
        pattern.append(
            QJsonObject{{QStringLiteral("n"), QStringLiteral("o")},
                        {QStringLiteral("nm"), QStringLiteral("Offset")},
                        {QStringLiteral("v"), constant({stroke.getDashOffset()}).toJson(true)}});
        object.insert(QStringLiteral("d"), pattern);
    }
    return object;
}
