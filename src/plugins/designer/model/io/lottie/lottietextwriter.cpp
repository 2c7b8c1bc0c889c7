// SPDX-License-Identifier: MIT
#include "lottietextwriter.h"

#include "lottiepaintwriter.h"
#include "lottieshapewriter.h"
#include "lottietrackwriter.h"
#include "model/project/zenubshape.h"
#include "model/project/zenubshapestate.h"
#include "model/render/textlayout.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// Where a text layer's words go for a box of one size: the origin is the first line's
// baseline at its aligned edge (or centre), from the box's corner.
struct Placement
{
    QFont font;
    QString words;
    QPointF origin;
    double lineHeight = 0;
};

Placement placementOf(const ZenubText& content, const QSizeF& box)
{
    const auto layout = TextLayout::of(content, box);
    Placement placement;
    placement.font = layout->baseFont();
    QStringList lines;
    for (const TextLayout::Line& line : layout->lines()) {
        QString words;
        for (int f = line.first; f < line.first + line.count; ++f)
            words += TextLayout::wordsOf(content, layout->fragments().at(f));
        while (words.endsWith(QLatin1Char(' ')))
            words.chop(1);
        lines << words;
    }
    placement.words = lines.join(QLatin1Char('\r'));
    if (layout->lines().isEmpty())
        return placement;
    const TextLayout::Line& first = layout->lines().constFirst();
    placement.lineHeight = first.height;
    double x = layout->lineX(first, box.width());
    if (content.getAlignment() == ZenubText::Alignment::Center)
        x += first.width / 2;
    else if (content.getAlignment() == ZenubText::Alignment::Right)
        x += first.width;
    placement.origin = QPointF(x, layout->blockTop(box.height()) + first.baseline);
    return placement;
}

// The box the words are laid out in at \a frame, as the editor shows it.
QSizeF shownSize(const ZenubShape& text, int frame)
{
    ZenubShapeState state;
    text.stateAt(frame, &state);
    return state.rect().size();
}

QColor colourOf(const ZenubPaint& fill)
{
    if (fill.isGradient())
        return fill.getStops().isEmpty() ? QColor(Qt::transparent)
                                         : fill.getStops().constFirst().color;
    return fill.getColor();
}

} // namespace

bool LottieTextWriter::fitsTextLayer(const ZenubShape& text)
{
    return whyOutlines(text).isEmpty();
}

QString LottieTextWriter::whyOutlines(const ZenubShape& text)
{
    const QVector<ZenubTextRun> runs = text.getTextContent().getRuns();
    if (std::any_of(runs.cbegin(), runs.cend(),
                    [](const ZenubTextRun& run) { return run.underline; }))
        return tr("Lottie texts cannot be underlined.");
    if (text.getTextContent().isRich())
        return tr("its words have styles of their own, and a Lottie text has one.");
    return QString();
}

QString LottieTextWriter::fontName(const QFont& font)
{
    QString style;
    if (font.bold())
        style = QStringLiteral("Bold");
    if (font.italic())
        style += style.isEmpty() ? QStringLiteral("Italic") : QStringLiteral(" Italic");
    if (style.isEmpty())
        style = QStringLiteral("Regular");
    QString name = font.family() + QLatin1Char('-') + style;
    name.remove(QLatin1Char(' '));
    if (!m_fontNames.contains(name)) {
        m_fontNames << name;
        QFont large = font;
        large.setPixelSize(1000);
        m_fonts.append(QJsonObject{{QStringLiteral("fName"), name},
                                   {QStringLiteral("fFamily"), font.family()},
                                   {QStringLiteral("fStyle"), style},
                                   {QStringLiteral("ascent"), QFontMetricsF(large).ascent() / 10}});
    }
    return name;
}

LottieTextLayer LottieTextWriter::layer(const ZenubShape& text, double sceneStart)
{
    const LottieBoxTracks box = LottieBoxTracks::of(text, sceneStart);
    const ZenubShapeTracks& tracks = text.tracks();
    const int justify = text.getTextContent().getAlignment() == ZenubText::Alignment::Left    ? 0
                        : text.getTextContent().getAlignment() == ZenubText::Alignment::Right ? 1
                                                                                              : 2;
    // A text document holds until the next: where the box's size, the font's size or the
    // colour change, the words are laid out anew at every frame.
    int first = 0;
    int last = 0;
    LottieTrackWriter::span(
        tracks, {ZenubProperty::Size, ZenubProperty::FontSize, ZenubProperty::Fill}, &first, &last);
    QJsonArray documents;
    LottieTextLayer result;
    LottieTrack& anchor = result.anchor;
    QJsonObject previous;
    for (int frame = first; frame <= last; ++frame) {
        const QSizeF size = shownSize(text, frame);
        const Placement placement =
            placementOf(text.textFor(tracks.fontSize().valueAt(frame)), size);
        const QJsonObject document{{QStringLiteral("s"), placement.font.pixelSize()},
                                   {QStringLiteral("f"), fontName(placement.font)},
                                   {QStringLiteral("t"), placement.words},
                                   {QStringLiteral("j"), justify},
                                   {QStringLiteral("tr"), 0},
                                   {QStringLiteral("lh"), placement.lineHeight},
                                   {QStringLiteral("ls"), 0},
                                   {QStringLiteral("fc"), LottieShapeWriter::colour(colourOf(
                                                              tracks.fill().valueAt(frame)))}};
        LottieKey key;
        key.frame = sceneStart + frame;
        key.value = {size.width() / 2 - placement.origin.x(),
                     size.height() / 2 - placement.origin.y()};
        key.hold = true;
        if (document == previous && key.value == anchor.keys().constLast().value)
            continue;
        previous = document;
        documents.append(QJsonObject{{QStringLiteral("s"), document},
                                     {QStringLiteral("t"), sceneStart + frame}});
        anchor.append(key);
    }
    // The words turn about the box's centre, which the layer's position places.
    result.position = LottieTrack::combined(
        box.position, box.size,
        [](const QVector<double>& p, const QVector<double>& s) {
            return QVector<double>{p.value(0) + s.value(0) / 2, p.value(1) + s.value(1) / 2};
        },
        true);
    const LottieTrack alpha =
        LottieTrackWriter::of(tracks.fill(), sceneStart, [](const ZenubPaint& p) {
            return QVector<double>{colourOf(p).alphaF()};
        });
    const LottieTrack paintOpacity = LottieTrackWriter::of(
        tracks.fillOpacity(), sceneStart, [](double o) { return QVector<double>{o}; });
    result.opacity =
        LottiePaintWriter::product(LottiePaintWriter::product(box.opacity, alpha), paintOpacity)
            .mapped([](const QVector<double>& o) { return QVector<double>{o.value(0) * 100}; });
    result.rotation = box.rotation;
    const QJsonObject still{{QStringLiteral("a"), 0}, {QStringLiteral("k"), QJsonArray{0, 0}}};
    result.text = {
        {QStringLiteral("d"), QJsonObject{{QStringLiteral("k"), documents}}},
        {QStringLiteral("p"), QJsonObject()},
        {QStringLiteral("m"), QJsonObject{{QStringLiteral("g"), 1}, {QStringLiteral("a"), still}}},
        {QStringLiteral("a"), QJsonArray()}};
    return result;
}

void LottieTextWriter::outline(ZenubJsonWriter& out, const ZenubShape& text,
                               const LottieShapeWriter& writer, const LottieTrack& opacity,
                               double sceneStart) const
{
    const LottieBoxTracks box = LottieBoxTracks::of(text, sceneStart);
    const ZenubShapeTracks& tracks = text.tracks();
    // The glyphs of each layout the words take while the box or the font changes size, each
    // shown (by hold keys) from the frame it is first drawn at until the next one is.
    int first = 0;
    int last = 0;
    LottieTrackWriter::span(tracks, {ZenubProperty::Size, ZenubProperty::FontSize}, &first, &last);
    QVector<int> starts;
    QVector<QVector<QPair<QPainterPath, QColor>>> layouts;
    for (int frame = first; frame <= last; ++frame) {
        const auto glyphs =
            glyphsOf(text.textFor(tracks.fontSize().valueAt(frame)), shownSize(text, frame));
        if (!layouts.isEmpty() && glyphs == layouts.constLast())
            continue;
        starts.append(frame);
        layouts.append(glyphs);
    }
    const auto rgb = [](const QColor& c) {
        return QVector<double>{c.redF(), c.greenF(), c.blueF()};
    };
    const LottieTrack faded = LottiePaintWriter::product(
        LottiePaintWriter::product(box.opacity, opacity),
        LottieTrackWriter::of(tracks.fillOpacity(), sceneStart,
                              [](double o) { return QVector<double>{o}; }));
    // Words without a colour of their own take the fill's, which may change.
    const LottieTrack fillColour = LottieTrackWriter::of(
        tracks.fill(), sceneStart, [&rgb](const ZenubPaint& p) { return rgb(colourOf(p)); });
    const LottieTrack fillAlpha =
        LottieTrackWriter::of(tracks.fill(), sceneStart, [](const ZenubPaint& p) {
            return QVector<double>{colourOf(p).alphaF()};
        });
    QVector<LottieGlyphs> filled;
    for (int i = 0; i < layouts.size(); ++i) {
        LottieTrack shown({1});
        if (layouts.size() > 1) {
            shown = LottieTrack();
            for (int j = 0; j < starts.size(); ++j) {
                LottieKey key;
                key.frame = sceneStart + starts.at(j);
                key.value = {i == j ? 1.0 : 0.0};
                key.hold = true;
                shown.append(key);
            }
        }
        const LottieTrack visible = LottiePaintWriter::product(faded, shown);
        for (const auto& entry : layouts.at(i)) {
            const bool own = entry.second.isValid();
            const LottieTrack alpha = own ? LottieTrack({entry.second.alphaF()}) : fillAlpha;
            filled.append({entry.first, own ? LottieTrack(rgb(entry.second)) : fillColour,
                           LottiePaintWriter::product(visible, alpha)});
        }
    }
    writer.outline(out, text.getName(), filled, box);
}

QVector<QPair<QPainterPath, QColor>> LottieTextWriter::glyphsOf(const ZenubText& content,
                                                                const QSizeF& size)
{
    const auto layout = TextLayout::of(content, size);
    const double top = layout->blockTop(size.height());
    // Runs with a colour of their own keep it; the others are marked by an invalid colour.
    QVector<QPair<QPainterPath, QColor>> outlines;
    for (const TextLayout::Line& line : layout->lines()) {
        const double x = layout->lineX(line, size.width());
        for (int f = line.first; f < line.first + line.count; ++f) {
            const TextLayout::Fragment& fragment = layout->fragments().at(f);
            const ZenubTextRun& run = content.getRuns().at(fragment.run);
            const QColor colour = run.color.isValid() ? run.color : QColor();
            if (outlines.isEmpty() || outlines.constLast().second != colour)
                outlines.append({QPainterPath(), colour});
            QPainterPath& path = outlines.last().first;
            const QFont& font = layout->fontOf(fragment.run);
            const QPointF at(x + fragment.x, top + line.baseline);
            path.addText(at, font, TextLayout::wordsOf(content, fragment));
            if (run.underline) {
                const double pixels = font.pixelSize();
                path.addRect(QRectF(at.x(), at.y() + pixels / 10, fragment.width,
                                    std::max(1.0, pixels / 16)));
            }
        }
    }
    return outlines;
}
