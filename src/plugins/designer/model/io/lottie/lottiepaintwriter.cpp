// SPDX-License-Identifier: MIT
#include "lottiepaintwriter.h"

#include "lottietrackwriter.h"
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

QJsonObject still(double value)
{
    return LottieTrack({value}).toJson(true);
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

QJsonArray LottiePaintWriter::items(const ZenubTrack<ZenubPaint>& paint,
                                    const ZenubTrack<double>& opacity, const LottieTrack& size,
                                    const LottieTrack& fade) const
{
    const QVector<Form> forms = formsOf(paint);
    const LottieTrack faded = product(
        fade, LottieTrackWriter::of(opacity, m_start, [](double v) { return QVector<double>{v}; }));
    QJsonArray items;
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
        QJsonObject item;
        if (form.type == ZenubPaint::Type::Solid) {
            const LottieTrack alpha =
                values([](const ZenubPaint& p) { return QVector<double>{p.getColor().alphaF()}; });
            item = {
                {QStringLiteral("ty"), QStringLiteral("fl")},
                {QStringLiteral("c"), values([](const ZenubPaint& p) {
                                          const QColor c = p.getColor();
                                          return QVector<double>{c.redF(), c.greenF(), c.blueF()};
                                      }).toJson(false)},
                {QStringLiteral("o"), product(shown, alpha)
                                          .mapped([](const QVector<double>& v) {
                                              return QVector<double>{v.value(0) * 100};
                                          })
                                          .toJson(true)}};
        } else {
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
            const bool alpha = form.alpha;
            item = {{QStringLiteral("ty"), QStringLiteral("gf")},
                    {QStringLiteral("t"), form.type == ZenubPaint::Type::LinearGradient ? 1 : 2},
                    {QStringLiteral("s"), placed(true).toJson(false)},
                    {QStringLiteral("e"), placed(false).toJson(false)},
                    {QStringLiteral("g"),
                     QJsonObject{{QStringLiteral("p"), form.stops},
                                 {QStringLiteral("k"), values([alpha](const ZenubPaint& p) {
                                                           return stopValues(p, alpha);
                                                       }).toJson(false)}}},
                    {QStringLiteral("o"), shown
                                              .mapped([](const QVector<double>& v) {
                                                  return QVector<double>{v.value(0) * 100};
                                              })
                                              .toJson(true)}};
            if (form.type == ZenubPaint::Type::RadialGradient) {
                item.insert(QStringLiteral("h"), still(0));
                item.insert(QStringLiteral("a"), still(0));
            }
        }
        items.append(item);
    }
    return items;
}

QJsonArray LottiePaintWriter::fill(const ZenubShapeTracks& tracks, int fillRule,
                                   const LottieTrack& size, const LottieTrack& fade) const
{
    QJsonArray fills = items(tracks.fill(), tracks.fillOpacity(), size, fade);
    for (auto it = fills.begin(); it != fills.end(); ++it) {
        QJsonObject item = it->toObject();
        item.insert(QStringLiteral("r"), fillRule);
        *it = item;
    }
    return fills;
}

QJsonObject LottiePaintWriter::solid(const LottieTrack& rgb, const LottieTrack& opacity)
{
    return {
        {QStringLiteral("ty"), QStringLiteral("fl")},
        {QStringLiteral("c"), rgb.toJson(false)},
        {QStringLiteral("o"),
         opacity.mapped([](const QVector<double>& v) { return QVector<double>{v.value(0) * 100}; })
             .toJson(true)},
        {QStringLiteral("r"), 1}};
}

QJsonArray LottiePaintWriter::stroke(const ZenubShapeTracks& tracks, const ZenubStroke& style,
                                     const LottieTrack& size, const LottieTrack& fade) const
{
    QJsonArray strokes = items(tracks.stroke(), tracks.strokeOpacity(), size, fade);
    const QJsonObject width = LottieTrackWriter::of(tracks.strokeWidth(), m_start, [](double v) {
                                  return QVector<double>{v};
                              }).toJson(true);
    const int cap = style.getCap() == ZenubStroke::Cap::Flat    ? 1
                    : style.getCap() == ZenubStroke::Cap::Round ? 2
                                                                : 3;
    const int join = style.getJoin() == ZenubStroke::Join::Miter   ? 1
                     : style.getJoin() == ZenubStroke::Join::Round ? 2
                                                                   : 3;
    QJsonArray pattern;
    if (style.isDashed()) {
        // An odd pattern repeats twice over before it starts again, as on the web: said in full.
        const QVector<double>& dashes = style.getDashes();
        const int count = dashes.size() % 2 ? dashes.size() * 2 : dashes.size();
        // Players look the items up by their names, so each has its own.
        for (int i = 0; i < count; ++i)
            pattern.append(QJsonObject{
                {QStringLiteral("n"), i % 2 ? QStringLiteral("g") : QStringLiteral("d")},
                {QStringLiteral("nm"),
                 (i % 2 ? QStringLiteral("Gap %1") : QStringLiteral("Dash %1")).arg(i / 2 + 1)},
                {QStringLiteral("v"), still(dashes.at(i % dashes.size()))}});
        pattern.append(QJsonObject{{QStringLiteral("n"), QStringLiteral("o")},
                                   {QStringLiteral("nm"), QStringLiteral("Offset")},
                                   {QStringLiteral("v"), still(style.getDashOffset())}});
    }
    for (auto it = strokes.begin(); it != strokes.end(); ++it) {
        QJsonObject item = it->toObject();
        item.insert(QStringLiteral("ty"),
                    item.value(QStringLiteral("ty")).toString() == QLatin1String("fl")
                        ? QStringLiteral("st")
                        : QStringLiteral("gs"));
        item.insert(QStringLiteral("w"), width);
        item.insert(QStringLiteral("lc"), cap);
        item.insert(QStringLiteral("lj"), join);
        item.insert(QStringLiteral("ml"), style.getMiterLimit());
        if (!pattern.isEmpty())
            item.insert(QStringLiteral("d"), pattern);
        *it = item;
    }
    return strokes;
}
