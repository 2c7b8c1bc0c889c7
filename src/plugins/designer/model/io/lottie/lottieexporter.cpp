// SPDX-License-Identifier: MIT
#include "lottieexporter.h"

#include "lottieshapewriter.h"
#include "lottietextwriter.h"
#include "model/images/picturedecoder.h"
#include "model/io/zenub/zenubjsonwriter.h"
#include "model/project/zenubproject.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <algorithm>

// The layers and assets are written as they are met, while the members before them in the
// file (the assets, the fonts the texts name) are still being gathered.
struct LottieExporter::Output
{
    ZenubJsonWriter layers{nullptr, ZenubJsonWriter::Layout::Compact};
    ZenubJsonWriter assets{nullptr, ZenubJsonWriter::Layout::Compact};
    QHash<QByteArray, QString> assetIds;
    LottieTextWriter texts;
    int nextIndex = 1;
};

namespace {

void identity(ZenubJsonWriter& out)
{
    LottieShapeWriter::transform(out, {}, {}, {}, {}, {}, false);
}

// The size an SVG picture is drawn at in the file: twice its first box, within bounds.
QSize rasterSize(const ZenubShape& shape)
{
    const QSizeF box = shape.getKeyframes().isEmpty()
                           ? QSizeF()
                           : QSizeF(shape.getKeyframes().constFirst().getWidth(),
                                    shape.getKeyframes().constFirst().getHeight());
    QSizeF size = box * 2;
    const double longest = std::max(size.width(), size.height());
    if (longest > 4096)
        size *= 4096 / longest;
    return QSize(std::max(1, qRound(size.width())), std::max(1, qRound(size.height())));
}

// The picture as the file embeds it: PNG and JPEG as they are; SVG, which Lottie does not
// embed, as a PNG drawn as the editor draws it into its box.
QByteArray embeddedPicture(const ZenubShape& shape, QSizeF* own, QString* mime)
{
    const PictureDecoder decoder(shape.getImageData(), shape.getImageFormat());
    if (!decoder.isDrawable())
        return QByteArray();
    if (!decoder.svg()) {
        *own = decoder.size();
        *mime = QStringLiteral("image/") + decoder.format();
        return shape.getImageData();
    }
    QImage image(rasterSize(shape), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    decoder.svg()->render(&painter, QRectF(QPointF(), image.size()));
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    *own = image.size();
    *mime = QStringLiteral("image/png");
    return png;
}

} // namespace

LottieExporter::LottieExporter(const ZenubProject& project, const LottieExportOptions& options)
    : m_project(project)
    , m_options(options)
{}

bool LottieExporter::asOutlines(const ZenubShape& text, bool member) const
{
    // A text layer holds one style and stands on its own: texts in groups, with runs of their
    // own style or underlined go as outlines.
    return m_options.textAsOutlines || member || !LottieTextWriter::fitsTextLayer(text);
}

void LottieExporter::checkShape(const ZenubShape& shape, bool member, QStringList* notes) const
{
    switch (shape.getType()) {
    case ZenubShape::Type::Image:
        if (member)
            *notes << tr("The image \"%1\" is inside a group; Lottie keeps images in layers of "
                         "their own, so it is left out.")
                          .arg(shape.getName());
        else if (!PictureDecoder(shape.getImageData(), shape.getImageFormat()).isDrawable())
            *notes << tr("The image \"%1\" cannot be read and is left out.").arg(shape.getName());
        else if (shape.getImageFormat() == QLatin1String("svg"))
            *notes << tr("The SVG image \"%1\" is written as a PNG picture of %2 × %3 pixels: "
                         "Lottie files embed bitmaps only.")
                          .arg(shape.getName())
                          .arg(rasterSize(shape).width())
                          .arg(rasterSize(shape).height());
        break;
    case ZenubShape::Type::Text:
        if (!m_options.textAsOutlines && asOutlines(shape, member))
            *notes << tr("The text \"%1\" is written as outlines: %2")
                          .arg(shape.getName(), member ? tr("it is inside a group.")
                                                       : LottieTextWriter::whyOutlines(shape));
        if (shape.getFill().isGradient())
            *notes << tr("The text \"%1\" is filled with a gradient; it is written in the "
                         "gradient's first colour.")
                          .arg(shape.getName());
        break;
    case ZenubShape::Type::Group:
        for (const ZenubShape& inside : shape.getMembers())
            checkShape(inside, true, notes);
        break;
    default:
        break;
    }
}

QStringList LottieExporter::notCarried() const
{
    QStringList notes;
    const QVector<ZenubScene>& scenes = m_project.getScenes();
    for (int s = 0; s < scenes.size(); ++s) {
        if (m_options.scene >= 0 && s != m_options.scene)
            continue;
        for (const ZenubLayer& layer : scenes.at(s).getLayers())
            if (layer.isVisible())
                for (const ZenubShape& shape : layer.getShapes())
                    checkShape(shape, false, &notes);
    }
    return notes;
}

void LottieExporter::beginLayer(const QString& name, double start, double end,
                                const std::function<void(ZenubJsonWriter&)>& transform, Output& out)
{
    ZenubJsonWriter& w = out.layers;
    w.beginObject();
    w.member("ind", out.nextIndex++);
    w.member("ip", start);
    w.key("ks");
    transform(w);
    w.member("nm", name);
    w.member("op", end);
}

void LottieExporter::writeImage(const ZenubShape& shape, double start, double end,
                                Output& out) const
{
    const LottieBoxTracks box = LottieBoxTracks::of(shape, start);
    QSizeF own;
    QString mime;
    const QByteArray data = embeddedPicture(shape, &own, &mime);
    if (data.isEmpty())
        return;
    const QByteArray key = QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex();
    QString id = out.assetIds.value(key);
    if (id.isEmpty()) {
        id = QStringLiteral("image_%1").arg(out.assetIds.size());
        out.assetIds.insert(key, id);
        ZenubJsonWriter& a = out.assets;
        a.beginObject();
        a.member("e", 1);
        a.member("h", own.height());
        a.member("id", id);
        a.member("p", QString(QStringLiteral("data:%1;base64,").arg(mime) +
                              QString::fromLatin1(data.toBase64())));
        a.member("u", QString());
        a.member("w", own.width());
        a.endObject();
    }
    // The picture at its own size, scaled to the box and turned about the box's centre.
    const LottieTrack centre = LottieTrack::combined(
        box.position, box.size,
        [](const QVector<double>& p, const QVector<double>& s) {
            return QVector<double>{p.value(0) + s.value(0) / 2, p.value(1) + s.value(1) / 2};
        },
        true);
    const LottieTrack scale = box.size.mapped([own](const QVector<double>& s) {
        return QVector<double>{s.value(0) / own.width() * 100, s.value(1) / own.height() * 100};
    });
    const LottieTrack opacity = box.opacity.mapped(
        [](const QVector<double>& o) { return QVector<double>{o.value(0) * 100}; });
    beginLayer(
        shape.getName(), start, end,
        [&](ZenubJsonWriter& w) {
            LottieShapeWriter::transform(
                w, LottieShapeWriter::constant({own.width() / 2, own.height() / 2}), centre, scale,
                box.rotation, opacity, false);
        },
        out);
    out.layers.member("refId", id);
    out.layers.member("st", 0);
    out.layers.member("ty", 2);
    out.layers.endObject();
}

void LottieExporter::writeLayer(const ZenubLayer& layer, double start, double end,
                                Output& out) const
{
    const LottieShapeWriter writer(start);
    const LottieTrack opaque = LottieShapeWriter::constant({1});
    ZenubJsonWriter& w = out.layers;
    // Shapes go into one shape layer until a layer of another kind comes between.
    bool open = false;
    const auto run = [&] {
        if (open)
            return;
        beginLayer(layer.getName(), start, end, identity, out);
        w.key("shapes");
        w.beginArray();
        open = true;
    };
    const auto flush = [&] {
        if (!open)
            return;
        w.endArray();
        w.member("st", 0);
        w.member("ty", 4);
        w.endObject();
        open = false;
    };
    const QVector<ZenubShape>& shapes = layer.getShapes();
    // Lottie lists the topmost first; the layer draws its last shape on top.
    for (auto it = shapes.crbegin(); it != shapes.crend(); ++it) {
        const ZenubShape& shape = *it;
        if (shape.getKeyframes().isEmpty())
            continue;
        if (shape.getType() == ZenubShape::Type::Image) {
            ZenubShape outline = shape;
            outline.setType(ZenubShape::Type::Rectangle);
            outline.setFill(ZenubPaint(Qt::transparent));
            if (outline.getStroke().isVisible()) {
                run();
                writer.shape(w, outline, opaque);
            }
            flush();
            writeImage(shape, start, end, out);
        } else if (shape.getType() == ZenubShape::Type::Text && !asOutlines(shape, false)) {
            flush();
            const LottieTextLayer text = out.texts.layer(shape, start);
            beginLayer(
                shape.getName(), start, end,
                [&text](ZenubJsonWriter& t) {
                    LottieShapeWriter::transform(t, text.anchor, text.position, {}, text.rotation,
                                                 text.opacity, false);
                },
                out);
            w.member("st", 0);
            w.key("t");
            w.value(QJsonValue(text.text));
            w.member("ty", 5);
            w.endObject();
        } else if (shape.getType() == ZenubShape::Type::Text) {
            run();
            out.texts.outline(w, shape, writer, opaque, start);
        } else {
            run();
            writer.shape(w, shape, opaque);
        }
    }
    flush();
}

void LottieExporter::writeScene(const ZenubScene& scene, double start, Output& out) const
{
    const double end = start + scene.getDuration();
    const QVector<ZenubLayer>& layers = scene.getLayers();
    for (auto it = layers.crbegin(); it != layers.crend(); ++it)
        if (it->isVisible())
            writeLayer(*it, start, end, out);
}

QByteArray LottieExporter::toJson() const
{
    QByteArray bytes;
    writeAnimation(nullptr, &bytes);
    return bytes;
}

bool LottieExporter::writeAnimation(QIODevice* device, QByteArray* bytes) const
{
    Output out;
    double start = 0;
    const QVector<ZenubScene>& scenes = m_project.getScenes();
    out.layers.beginArray();
    out.assets.beginArray();
    for (int s = 0; s < scenes.size(); ++s) {
        if (m_options.scene >= 0 && s != m_options.scene)
            continue;
        writeScene(scenes.at(s), start, out);
        start += scenes.at(s).getDuration();
    }
    // The stage's background under everything, for the whole animation.
    beginLayer(tr("Background"), 0, start, identity, out);
    out.layers.member("sc", m_project.getBackgroundColor().name());
    out.layers.member("sh", m_project.getStageHeight());
    out.layers.member("st", 0);
    out.layers.member("sw", m_project.getStageWidth());
    out.layers.member("ty", 1);
    out.layers.endObject();
    out.layers.endArray();
    out.assets.endArray();

    ZenubJsonWriter w(device, ZenubJsonWriter::Layout::Compact);
    w.beginObject();
    w.key("assets");
    w.raw(out.assets.takeBytes());
    if (!out.texts.fonts().isEmpty()) {
        w.key("fonts");
        w.beginObject();
        w.key("list");
        w.value(QJsonValue(out.texts.fonts()));
        w.endObject();
    }
    w.member("fr", m_project.getFrameRate());
    w.member("h", m_project.getStageHeight());
    w.member("ip", 0);
    w.key("layers");
    w.raw(out.layers.takeBytes());
    w.member("nm", m_project.getName());
    w.member("op", start);
    w.member("v", "5.7.0");
    w.member("ver", 10000);
    w.member("w", m_project.getStageWidth());
    w.endObject();
    if (bytes)
        *bytes = w.takeBytes();
    return w.finish();
}

bool LottieExporter::write(const QString& fileName, QString* errorString) const
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !writeAnimation(&file, nullptr) || !file.commit()) {
        if (errorString)
            *errorString =
                tr("The file \"%1\" could not be written: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}
