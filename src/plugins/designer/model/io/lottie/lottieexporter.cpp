// SPDX-License-Identifier: MIT
#include "lottieexporter.h"

#include "lottieshapewriter.h"
#include "lottietextwriter.h"
#include "model/images/picturedecoder.h"
#include "model/project/zenubproject.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QHash>
#include <QImage>
#include <QJsonDocument>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <algorithm>

struct LottieExporter::Output
{
    QJsonArray layers;
    QJsonArray assets;
    QHash<QByteArray, QString> assetIds;
    LottieTextWriter texts;
    int nextIndex = 1;
};

namespace {

const QString kType = QStringLiteral("ty");

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

QJsonObject LottieExporter::layerBase(int type, const QString& name, double start, double end,
                                      Output& out) const
{
    return {{kType, type},
            {QStringLiteral("nm"), name},
            {QStringLiteral("ind"), out.nextIndex++},
            {QStringLiteral("ip"), start},
            {QStringLiteral("op"), end},
            {QStringLiteral("st"), 0},
            {QStringLiteral("ks"), LottieShapeWriter::transform({}, {}, {}, {}, {}, QString())}};
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
        id = QStringLiteral("image_%1").arg(out.assets.size());
        out.assetIds.insert(key, id);
        out.assets.append(
            QJsonObject{{QStringLiteral("id"), id},
                        {QStringLiteral("w"), own.width()},
                        {QStringLiteral("h"), own.height()},
                        {QStringLiteral("u"), QString()},
                        {QStringLiteral("p"), QString(QStringLiteral("data:%1;base64,").arg(mime) +
                                                      QString::fromLatin1(data.toBase64()))},
                        {QStringLiteral("e"), 1}});
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
    QJsonObject layer = layerBase(2, shape.getName(), start, end, out);
    layer.insert(QStringLiteral("refId"), id);
    layer.insert(QStringLiteral("ks"),
                 LottieShapeWriter::transform(
                     LottieShapeWriter::constant({own.width() / 2, own.height() / 2}), centre,
                     scale, box.rotation, opacity, QString()));
    out.layers.append(layer);
}

void LottieExporter::writeLayer(const ZenubLayer& layer, double start, double end,
                                Output& out) const
{
    const LottieShapeWriter writer(start);
    const LottieTrack opaque = LottieShapeWriter::constant({1});
    QJsonArray run;
    const auto flush = [&] {
        if (run.isEmpty())
            return;
        QJsonObject shapeLayer = layerBase(4, layer.getName(), start, end, out);
        shapeLayer.insert(QStringLiteral("shapes"), run);
        out.layers.append(shapeLayer);
        run = QJsonArray();
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
            if (outline.getStroke().isVisible())
                run.append(writer.shape(outline, opaque));
            flush();
            writeImage(shape, start, end, out);
        } else if (shape.getType() == ZenubShape::Type::Text && !asOutlines(shape, false)) {
            flush();
            out.layers.append(
                out.texts.layer(shape, layerBase(5, shape.getName(), start, end, out), start));
        } else if (shape.getType() == ZenubShape::Type::Text) {
            run.append(out.texts.outline(shape, writer, opaque, start));
        } else {
            run.append(writer.shape(shape, opaque));
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

QJsonObject LottieExporter::animation() const
{
    Output out;
    double start = 0;
    const QVector<ZenubScene>& scenes = m_project.getScenes();
    for (int s = 0; s < scenes.size(); ++s) {
        if (m_options.scene >= 0 && s != m_options.scene)
            continue;
        writeScene(scenes.at(s), start, out);
        start += scenes.at(s).getDuration();
    }
    // The stage's background under everything, for the whole animation.
    QJsonObject background = layerBase(1, tr("Background"), 0, start, out);
    background.insert(QStringLiteral("sc"), m_project.getBackgroundColor().name());
    background.insert(QStringLiteral("sw"), m_project.getStageWidth());
    background.insert(QStringLiteral("sh"), m_project.getStageHeight());
    out.layers.append(background);

    QJsonObject animation{{QStringLiteral("v"), QStringLiteral("5.7.0")},
                          {QStringLiteral("ver"), 10000},
                          {QStringLiteral("nm"), m_project.getName()},
                          {QStringLiteral("fr"), m_project.getFrameRate()},
                          {QStringLiteral("ip"), 0},
                          {QStringLiteral("op"), start},
                          {QStringLiteral("w"), m_project.getStageWidth()},
                          {QStringLiteral("h"), m_project.getStageHeight()},
                          {QStringLiteral("assets"), out.assets},
                          {QStringLiteral("layers"), out.layers}};
    if (!out.texts.fonts().isEmpty())
        animation.insert(QStringLiteral("fonts"),
                         QJsonObject{{QStringLiteral("list"), out.texts.fonts()}});
    return animation;
}

QByteArray LottieExporter::toJson() const
{
    return QJsonDocument(animation()).toJson(QJsonDocument::Compact);
}

bool LottieExporter::write(const QString& fileName, QString* errorString) const
{
    QSaveFile file(fileName);
    const QByteArray data = toJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        if (errorString)
            *errorString =
                tr("The file \"%1\" could not be written: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}
