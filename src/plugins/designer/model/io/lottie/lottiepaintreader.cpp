// SPDX-License-Identifier: MIT
#include "lottiepaintreader.h"

#include "model/project/zenubshape.h"

#include <algorithm>
#include <cmath>

namespace {

QColor colourOf(const QVector<double>& rgb, double alpha = 1)
{
    return QColor::fromRgbF(std::clamp(rgb.value(0), 0.0, 1.0), std::clamp(rgb.value(1), 0.0, 1.0),
                            std::clamp(rgb.value(2), 0.0, 1.0), std::clamp(alpha, 0.0, 1.0));
}

} // namespace

LottiePaintReader::LottiePaintReader(double first, int frames, const Candidates& candidates)
    : m_first(first)
    , m_frames(frames)
    , m_candidates(candidates)
{}

void LottiePaintReader::read(const LottieDrawn& drawn, const LottieLayer& layer,
                             const QTransform& toParent, bool faded, ZenubShape* shape) const
{
    const double at = layer.localFrame(m_first);
    ZenubShapeState state;
    shape->stateAt(0, &state);
    const QRectF box = state.rect();
    const QTransform intoBox = toParent * state.transform().inverted();
    const auto relative = [&](const QVector<double>& point) {
        const QPointF p = intoBox.map(QPointF(point.value(0), point.value(1)));
        return QPointF(box.width() > 0 ? (p.x() - box.x()) / box.width() : 0,
                       box.height() > 0 ? (p.y() - box.y()) / box.height() : 0);
    };
    const double scale = std::sqrt(std::abs(toParent.determinant()));
    const auto paintOf = [&](const LottieItem& item, double at) {
        const double opacity = faded ? 1.0 : std::clamp(item.opacity.scalarAt(at) / 100, 0.0, 1.0);
        if (!item.gradient) {
            ZenubPaint paint(colourOf(item.color.valueAt(at)));
            paint.setOpacity(opacity);
            return paint;
        }
        const QVector<double> values = item.stops.valueAt(at);
        const int count = item.stopCount;
        QVector<double> alphaOffsets;
        QVector<double> alphas;
        for (int i = count * 4; i + 1 < values.size(); i += 2) {
            alphaOffsets.append(values.at(i));
            alphas.append(values.at(i + 1));
        }
        const auto alphaAt = [&](double offset) {
            if (alphas.isEmpty())
                return 1.0;
            if (offset <= alphaOffsets.constFirst())
                return alphas.constFirst();
            for (int i = 1; i < alphas.size(); ++i)
                if (offset <= alphaOffsets.at(i)) {
                    const double span = alphaOffsets.at(i) - alphaOffsets.at(i - 1);
                    const double t = span > 0 ? (offset - alphaOffsets.at(i - 1)) / span : 1;
                    return alphas.at(i - 1) + (alphas.at(i) - alphas.at(i - 1)) * t;
                }
            return alphas.constLast();
        };
        QVector<ZenubGradientStop> stops;
        for (int i = 0; i < count; ++i) {
            const double offset = std::clamp(values.value(i * 4), 0.0, 1.0);
            stops.append({offset, colourOf(values.mid(i * 4 + 1, 3), alphaAt(offset))});
        }
        const QPointF start = relative(item.start.valueAt(at));
        const QPointF end = relative(item.end.valueAt(at));
        ZenubPaint paint = item.gradient == 2 ? ZenubPaint::radial(stops, start, end)
                                              : ZenubPaint::linear(stops, start, end);
        paint.setOpacity(opacity);
        return paint;
    };
    shape->setFill(drawn.fill ? paintOf(*drawn.fill, at) : ZenubPaint(Qt::transparent));
    ZenubStroke stroke;
    if (drawn.stroke) {
        const LottieItem& item = *drawn.stroke;
        stroke.setPaint(paintOf(item, at));
        stroke.setWidth(std::max(0.0, item.width.scalarAt(at) * scale));
        stroke.setCap(item.cap == 1   ? ZenubStroke::Cap::Flat
                      : item.cap == 3 ? ZenubStroke::Cap::Square
                                      : ZenubStroke::Cap::Round);
        stroke.setJoin(item.join == 1   ? ZenubStroke::Join::Miter
                       : item.join == 3 ? ZenubStroke::Join::Bevel
                                        : ZenubStroke::Join::Round);
        stroke.setMiterLimit(std::clamp(item.miterLimit, 1.0, 100.0));
        QVector<double> dashes;
        for (const double dash : item.dashes)
            dashes.append(dash * scale);
        stroke.setDashes(dashes);
        stroke.setDashOffset(item.dashOffset * scale);
    }
    shape->setStroke(stroke);

    // What changes over time, each on its track, keyed where its own values need keys.
    const auto keyed = [&](const QVector<const LottieTrack*>& sources, const auto& sample,
                           double tolerance, const auto& key) {
        if (std::none_of(sources.cbegin(), sources.cend(),
                         [](const LottieTrack* track) { return track->isAnimated(); }))
            return;
        LottieSamples samples;
        for (int f = 0; f < m_frames; ++f)
            samples.append(sample(layer.localFrame(m_first + f)));
        const QVector<LottieKeyFitter::Key> keys =
            LottieKeyFitter::fit(samples, m_candidates(sources), tolerance);
        if (keys.size() > 1)
            for (const LottieKeyFitter::Key& fitted : keys)
                key(fitted.frame, fitted.easing);
    };
    const auto keyPaint = [&](const LottieItem& item, ZenubTrack<ZenubPaint>& paints,
                              ZenubTrack<double>& opacities) {
        // Channels on the 0..255 scale the editor mixes them on, so that its rounding fits.
        const auto numbers = [&](double frame) {
            QVector<double> values;
            if (!item.gradient) {
                for (const double channel : item.color.valueAt(frame))
                    values << channel * 255;
                return values;
            }
            for (const double value : item.stops.valueAt(frame))
                values << value * 255;
            const QPointF start = relative(item.start.valueAt(frame));
            const QPointF end = relative(item.end.valueAt(frame));
            return values << start.x() * 255 << start.y() * 255 << end.x() * 255 << end.y() * 255;
        };
        keyed({&item.color, &item.stops, &item.start, &item.end}, numbers, 0.6,
              [&](int frame, const ZenubEasing& easing) {
                  ZenubPaint value = paintOf(item, layer.localFrame(m_first + frame));
                  value.setOpacity(1);
                  paints.setKey({frame, value, easing});
              });
        if (faded)
            return;
        keyed(
            {&item.opacity},
            [&](double frame) { return QVector<double>{item.opacity.scalarAt(frame) / 100}; }, 1e-3,
            [&](int frame, const ZenubEasing& easing) {
                opacities.setKey(
                    {frame,
                     std::clamp(item.opacity.scalarAt(layer.localFrame(m_first + frame)) / 100, 0.0,
                                1.0),
                     easing});
            });
    };
    ZenubShapeTracks& tracks = shape->tracks();
    if (drawn.fill)
        keyPaint(*drawn.fill, tracks.fill(), tracks.fillOpacity());
    if (drawn.stroke) {
        keyPaint(*drawn.stroke, tracks.stroke(), tracks.strokeOpacity());
        const LottieItem& item = *drawn.stroke;
        keyed(
            {&item.width},
            [&](double frame) { return QVector<double>{item.width.scalarAt(frame)}; }, 1e-3,
            [&](int frame, const ZenubEasing& easing) {
                tracks.strokeWidth().setKey(
                    {frame,
                     std::max(0.0, item.width.scalarAt(layer.localFrame(m_first + frame)) * scale),
                     easing});
            });
    }
}
