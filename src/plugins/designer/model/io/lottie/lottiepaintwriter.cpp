// SPDX-License-Identifier: MIT
#include "lottiepaintwriter.h"

#include "lottietrackwriter.h"
#include "model/io/zenub/zenubjsonwriter.h"
#include "model/project/zenubshapetracks.h"
#include "model/project/zenubstroke.h"

#include <algorithm>

namespace {

// What one Lottie paint item can hold: one kind, and a gradient's number of stops.
struct Form
{
    ZenubPaint::Type type = ZenubPaint::Type::Solid;
    int stops = 0;
    // Whether some stop is not opaque: the stops then carry their alphas too.
    bool alpha = false;

    bool holds(const ZenubPaint& paint) const
    {
        return paint.getType() == type &&
               (type == ZenubPaint::Type::Solid || paint.getStops().size() == stops);
    }
};

QVector<Form> formsOf(const ZenubTrack<ZenubPaint>& track)
{
    QVector<ZenubPaint> values;
    if (!track.isAnimated())
        values << track.value();
    for (const auto& key : track.keys())
        values << key.value;
    QVector<Form> forms;
    for (const ZenubPaint& paint : qAsConst(values)) {
        const auto found = std::find_if(forms.begin(), forms.end(),
                                        [&paint](const Form& form) { return form.holds(paint); });
        Form& form =
            found != forms.end()
                ? *found
                : (forms.append({paint.getType(), int(paint.getStops().size())}), forms.last());
        for (const ZenubGradientStop& stop : paint.getStops())
            form.alpha = form.alpha || stop.color.alpha() < 255;
    }
    return forms;
}

QVector<double> stopValues(const ZenubPaint& paint, bool alpha)
{
    QVector<double> values;
    for (const ZenubGradientStop& stop : paint.getStops())
        values << stop.offset << stop.color.redF() << stop.color.greenF() << stop.color.blueF();
    if (alpha)
        for (const ZenubGradientStop& stop : paint.getStops())
            values << stop.offset << stop.color.alphaF();
    return values;
}

void writeStill(ZenubJsonWriter& out, double value)
{
    out.beginObject();
    out.member("a", 0);
    out.member("k", value);
    out.endObject();
}

LottieTrack percent(const LottieTrack& opacity)
{
    return opacity.mapped(
        [](const QVector<double>& v) { return QVector<double>{v.value(0) * 100}; });
}

// An odd pattern repeats twice over before it starts again, as on the web: said in full.
void writeDashes(ZenubJsonWriter& out, const ZenubStroke& style)
{
    const QVector<double>& dashes = style.getDashes();
    const int count = dashes.size() % 2 ? dashes.size() * 2 : dashes.size();
    out.beginArray();
    // Players look the items up by their names, so each has its own.
    for (int i = 0; i < count; ++i) {
        out.beginObject();
        out.member("n", i % 2 ? QLatin1String("g") : QLatin1String("d"));
        out.member("nm",
                   (i % 2 ? QStringLiteral("Gap %1") : QStringLiteral("Dash %1")).arg(i / 2 + 1));
        out.key("v");
        writeStill(out, dashes.at(i % dashes.size()));
        out.endObject();
    }
    out.beginObject();
    out.member("n", "o");
    out.member("nm", "Offset");
    out.key("v");
    writeStill(out, style.getDashOffset());
    out.endObject();
    out.endArray();
}

} // namespace

LottiePaintWriter::LottiePaintWriter(double sceneStart)
    : m_start(sceneStart)
{}

LottieTrack LottiePaintWriter::product(const LottieTrack& a, const LottieTrack& b)
{
    return LottieTrack::combined(
        a, b,
        [](const QVector<double>& x, const QVector<double>& y) {
            return QVector<double>{x.value(0) * y.value(0)};
        },
        false);
}

void LottiePaintWriter::items(ZenubJsonWriter& out, const ZenubShapeTracks& tracks,
                              const ZenubStroke* style, int fillRule, const LottieTrack& size,
                              const LottieTrack& fade) const
{
    const ZenubTrack<ZenubPaint>& paint = style ? tracks.stroke() : tracks.fill();
    const ZenubTrack<double>& opacity = style ? tracks.strokeOpacity() : tracks.fillOpacity();
    const QVector<Form> forms = formsOf(paint);
    const LottieTrack faded = product(
        fade, LottieTrackWriter::of(opacity, m_start, [](double v) { return QVector<double>{v}; }));
    const LottieTrack width =
        style ? LottieTrackWriter::of(tracks.strokeWidth(), m_start,
                                      [](double v) { return QVector<double>{v}; })
              : LottieTrack();
    for (const Form& form : forms) {
        const auto belongs = [&form](const ZenubPaint& p) {
            return form.holds(p);
        };
        const auto mixes = [](const ZenubPaint&, const ZenubPaint&) {
            return true;
        };
        const auto values = [&](const auto& of) {
            return LottieTrackWriter::only(paint, m_start, of, belongs, mixes);
        };
        LottieTrack shown = faded;
        if (forms.size() > 1)
            shown = product(shown, LottieTrackWriter::shown(paint, m_start, belongs));
        const bool solid = form.type == ZenubPaint::Type::Solid;
        const bool radial = form.type == ZenubPaint::Type::RadialGradient;
        // Gradient ends are relative to the box, Lottie's in its pixels.
        const auto placed = [&](bool start) {
            return LottieTrack::combined(
                values([start](const ZenubPaint& p) {
                    const QPointF point = start ? p.getStart() : p.getEnd();
                    return QVector<double>{point.x(), point.y()};
                }),
                size,
                [](const QVector<double>& r, const QVector<double>& s) {
                    return QVector<double>{r.value(0) * s.value(0), r.value(1) * s.value(1)};
                },
                false);
        };
        out.beginObject();
        if (radial) {
            out.key("a");
            writeStill(out, 0);
        }
        if (solid) {
            out.key("c");
            values([](const ZenubPaint& p) {
                const QColor c = p.getColor();
                return QVector<double>{c.redF(), c.greenF(), c.blueF()};
            }).write(out, false);
        }
        if (style && style->isDashed()) {
            out.key("d");
            writeDashes(out, *style);
        }
        if (!solid) {
            out.key("e");
            placed(false).write(out, false);
            out.key("g");
            out.beginObject();
            out.key("k");
            const bool alpha = form.alpha;
            values([alpha](const ZenubPaint& p) { return stopValues(p, alpha); }).write(out, false);
            out.member("p", form.stops);
            out.endObject();
        }
        if (radial) {
            out.key("h");
            writeStill(out, 0);
        }
        if (style) {
            out.member("lc", style->getCap() == ZenubStroke::Cap::Flat    ? 1
                             : style->getCap() == ZenubStroke::Cap::Round ? 2
                                                                          : 3);
            out.member("lj", style->getJoin() == ZenubStroke::Join::Miter   ? 1
                             : style->getJoin() == ZenubStroke::Join::Round ? 2
                                                                            : 3);
            out.member("ml", style->getMiterLimit());
        }
        out.key("o");
        if (solid)
            percent(product(shown, values([](const ZenubPaint& p) {
                                return QVector<double>{p.getColor().alphaF()};
                            })))
                .write(out, true);
        else
            percent(shown).write(out, true);
        if (!style)
            out.member("r", fillRule);
        if (!solid) {
            out.key("s");
            placed(true).write(out, false);
            out.member("t", form.type == ZenubPaint::Type::LinearGradient ? 1 : 2);
        }
        out.member("ty", solid ? (style ? QLatin1String("st") : QLatin1String("fl"))
                               : (style ? QLatin1String("gs") : QLatin1String("gf")));
        if (style) {
            out.key("w");
            width.write(out, true);
        }
        out.endObject();
    }
}

void LottiePaintWriter::fill(ZenubJsonWriter& out, const ZenubShapeTracks& tracks, int fillRule,
                             const LottieTrack& size, const LottieTrack& fade) const
{
    items(out, tracks, nullptr, fillRule, size, fade);
}

void LottiePaintWriter::stroke(ZenubJsonWriter& out, const ZenubShapeTracks& tracks,
                               const ZenubStroke& style, const LottieTrack& size,
                               const LottieTrack& fade) const
{
    items(out, tracks, &style, 0, size, fade);
}

void LottiePaintWriter::solid(ZenubJsonWriter& out, const LottieTrack& rgb,
                              const LottieTrack& opacity)
{
    out.beginObject();
    out.key("c");
    rgb.write(out, false);
    out.key("o");
    percent(opacity).write(out, true);
    out.member("r", 1);
    out.member("ty", "fl");
    out.endObject();
}
