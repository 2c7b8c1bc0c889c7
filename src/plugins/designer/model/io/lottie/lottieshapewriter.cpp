// SPDX-License-Identifier: MIT
#include "lottieshapewriter.h"

#include "lottieoutlinewriter.h"
#include "lottiepaintwriter.h"
#include "lottietrackwriter.h"
#include "model/io/zenub/zenubjsonwriter.h"
#include "model/project/zenubshape.h"
#include "model/project/zenubshapestate.h"
#include "model/render/shapegeometry.h"

#include <algorithm>

namespace {

// A track left empty as its identity, written without making one.
void writeProperty(ZenubJsonWriter& out, const LottieTrack& track,
                   std::initializer_list<double> identity, bool scalar)
{
    if (!track.keys().isEmpty()) {
        track.write(out, scalar);
        return;
    }
    out.beginObject();
    out.member("a", 0);
    out.key("k");
    if (scalar && identity.size() == 1) {
        out.value(*identity.begin());
    } else {
        out.beginArray();
        for (const double value : identity)
            out.value(value);
        out.endArray();
    }
    out.endObject();
}

// A group of items, closed by its transform (players build a group from it: every group has
// one).
void writeGroup(ZenubJsonWriter& out, const char* name, const std::function<void()>& items,
                const LottieTrack& scale)
{
    out.beginObject();
    out.key("it");
    out.beginArray();
    items();
    LottieShapeWriter::transform(out, {}, {}, scale, {}, {}, true);
    out.endArray();
    out.member("nm", QLatin1String(name));
    out.member("ty", "gr");
    out.endObject();
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

void LottieShapeWriter::transform(ZenubJsonWriter& out, const LottieTrack& anchor,
                                  const LottieTrack& position, const LottieTrack& scale,
                                  const LottieTrack& rotation, const LottieTrack& opacity,
                                  bool item)
{
    out.beginObject();
    out.key("a");
    writeProperty(out, anchor, {0, 0}, false);
    out.key("o");
    writeProperty(out, opacity, {100}, true);
    out.key("p");
    writeProperty(out, position, {0, 0}, false);
    out.key("r");
    writeProperty(out, rotation, {0}, true);
    out.key("s");
    writeProperty(out, scale, {100, 100}, false);
    if (item)
        out.member("ty", "tr");
    out.endObject();
}

void LottieShapeWriter::shape(ZenubJsonWriter& out, const ZenubShape& shape,
                              const LottieTrack& opacity) const
{
    const LottieBoxTracks box = LottieBoxTracks::of(shape, m_sceneStart);
    const LottieTrack faded = LottiePaintWriter::product(box.opacity, opacity);
    boxGroup(
        out, shape.getName(), [&] { content(out, shape, box, faded); }, box);
}

void LottieShapeWriter::boxGroup(ZenubJsonWriter& out, const QString& name,
                                 const std::function<void()>& items,
                                 const LottieBoxTracks& box) const
{
    const LottieTrack centre = box.size.mapped([](const QVector<double>& v) {
        return QVector<double>{v.value(0) / 2, v.value(1) / 2};
    });
    out.beginObject();
    out.key("it");
    out.beginArray();
    out.beginObject();
    out.key("it");
    out.beginArray();
    items();
    transform(out, centre, centre, {}, box.rotation, {}, true);
    out.endArray();
    out.member("nm", "Box");
    out.member("ty", "gr");
    out.endObject();
    transform(out, {}, box.position, {}, {}, {}, true);
    out.endArray();
    out.member("nm", name);
    out.member("ty", "gr");
    out.endObject();
}

void LottieShapeWriter::content(ZenubJsonWriter& out, const ZenubShape& shape,
                                const LottieBoxTracks& box, const LottieTrack& opacity) const
{
    const LottieTrack& size = box.size;
    const ZenubShapeTracks& tracks = shape.tracks();
    const auto scaledGroup = [&out, &size](const std::function<void()>& items) {
        writeGroup(out, "Outline", items, size.mapped([](const QVector<double>& v) {
            return QVector<double>{v.value(0) * 100, v.value(1) * 100};
        }));
    };
    int fillRule = 1;
    switch (shape.getType()) {
    case ZenubShape::Type::Rectangle:
    case ZenubShape::Type::Ellipse: {
        const bool rectangle = shape.getType() == ZenubShape::Type::Rectangle;
        out.beginObject();
        out.key("p");
        size.mapped([](const QVector<double>& v) {
                return QVector<double>{v.value(0) / 2, v.value(1) / 2};
            })
            .write(out, false);
        if (rectangle) {
            out.key("r");
            LottieTrackWriter::of(tracks.cornerRadius(), m_sceneStart, number).write(out, true);
        }
        out.key("s");
        size.write(out, false);
        out.member("ty", rectangle ? QLatin1String("rc") : QLatin1String("el"));
        out.endObject();
        break;
    }
    case ZenubShape::Type::Path:
        scaledGroup([&] { LottieOutlineWriter::pathItems(out, tracks.path(), m_sceneStart); });
        if (shape.getPath().getFillRule() == ZenubPath::FillRule::EvenOdd)
            fillRule = 2;
        break;
    case ZenubShape::Type::Polygon:
    case ZenubShape::Type::Star:
        scaledGroup([&] { polyStar(out, shape); });
        break;
    case ZenubShape::Type::Group: {
        const QSizeF content = shape.getContentSize();
        writeGroup(
            out, "Content",
            [&] {
                const QVector<ZenubShape>& shapes = shape.getMembers();
                // The first item of a Lottie group is drawn on top.
                for (auto it = shapes.crbegin(); it != shapes.crend(); ++it)
                    this->shape(out, *it, opacity);
            },
            size.mapped([content](const QVector<double>& v) {
                return QVector<double>{
                    content.width() > 0 ? v.value(0) / content.width() * 100 : 100,
                    content.height() > 0 ? v.value(1) / content.height() * 100 : 100};
            }));
        return;
    }
    case ZenubShape::Type::Text:
    case ZenubShape::Type::Image:
        return;
    }
    // The first drawn is the last listed: the stroke goes over the fill.
    const LottiePaintWriter paints(m_sceneStart);
    if (everShown(tracks.stroke(), tracks.strokeOpacity()) &&
        anyOf<double>(tracks.strokeWidth(), [](double width) { return width > 0; }))
        paints.stroke(out, tracks, shape.getStroke(), size, opacity);
    if (everShown(tracks.fill(), tracks.fillOpacity()))
        paints.fill(out, tracks, fillRule, size, opacity);
}

void LottieShapeWriter::polyStar(ZenubJsonWriter& out, const ZenubShape& shape) const
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
            [&outlineAt, nodes](double frame) {
                return LottieOutlineWriter::subpathValues(outlineAt(frame), 0, nodes);
            },
            [&outlineAt](double from, double to) {
                return LottieOutlineWriter::sameForm(outlineAt(from), outlineAt(to));
            });
        out.beginObject();
        out.key("ks");
        outline.writeWith(out, LottieOutlineWriter::subpath);
        out.member("ty", "sh");
        out.endObject();
        return;
    }
    out.beginObject();
    out.member("d", 1);
    if (star) {
        out.key("ir");
        LottieTrackWriter::of(tracks.innerRadius(), m_sceneStart, [](double r) {
            return number(0.5 * r);
        }).write(out, true);
        out.key("is");
        constant({0}).write(out, true);
    }
    out.key("or");
    constant({0.5}).write(out, true);
    out.key("os");
    constant({0}).write(out, true);
    out.key("p");
    constant({0.5, 0.5}).write(out, false);
    out.key("pt");
    LottieTrackWriter::steps(tracks.points(), m_sceneStart).write(out, true);
    out.key("r");
    constant({0}).write(out, true);
    out.member("sy", star ? 1 : 2);
    out.member("ty", "sr");
    out.endObject();
}

void LottieShapeWriter::outline(ZenubJsonWriter& out, const QString& name,
                                const QVector<LottieGlyphs>& glyphs,
                                const LottieBoxTracks& box) const
{
    const auto items = [&] {
        for (auto it = glyphs.crbegin(); it != glyphs.crend(); ++it)
            writeGroup(out, "Glyphs",
                       [&] {
                           LottieOutlineWriter::glyphs(out, it->outline);
                           LottiePaintWriter::solid(out, it->rgb, it->opacity);
                       },
                       {});
    };
    boxGroup(out, name, items, box);
}
