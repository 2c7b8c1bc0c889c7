// SPDX-License-Identifier: MIT
#include "lottieimporter.h"

#include "lottiereader.h"
#include "lottieshapebuilder.h"
#include "model/edits/nameedits.h"
#include "model/edits/newcontent.h"
#include "model/images/imageimport.h"
#include "model/images/picturedecoder.h"
#include "model/io/zenub/zenubprojectfile.h"
#include "model/project/zenubproject.h"
#include "model/render/textlayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

int countDrawn(const QVector<LottieDrawn>& drawn)
{
    int count = 0;
    for (const LottieDrawn& entry : drawn)
        count += 1 + countDrawn(entry.members);
    return count;
}

// The way from a layer's coordinates to the stage: its own transform, then its parents'.
// Keys fitted from frames sampled from \a frames on are placed on the scene's frames.
void delayKeys(ZenubShape* shape, int frames)
{
    if (frames == 0)
        return;
    for (const ZenubProperty property : ZenubProperties::all()) {
        const QVector<int> keys = shape->tracks().keyFrames(property);
        if (!keys.isEmpty())
            shape->tracks().moveKeys(property, keys, frames);
    }
    for (ZenubShape& member : shape->members())
        delayKeys(&member, frames);
}

bool chainOf(const LottieDocument& document, int position, LottieChain* chain)
{
    QHash<int, int> byIndex;
    for (int i = 0; i < document.layers.size(); ++i)
        if (document.layers.at(i).index >= 0 && !byIndex.contains(document.layers.at(i).index))
            byIndex.insert(document.layers.at(i).index, i);
    QSet<int> seen;
    int current = position;
    bool own = true;
    while (current >= 0) {
        if (seen.contains(current))
            return false;
        seen.insert(current);
        const LottieLayer& layer = document.layers.at(current);
        chain->steps.append({&layer.transform, &layer, own});
        own = false;
        current = layer.parent >= 0 ? byIndex.value(layer.parent, -1) : -1;
    }
    return true;
}

bool isBackground(const LottieDocument& document, const LottieLayer& layer)
{
    const LottieTransform& t = layer.transform;
    for (const LottieTrack* track : t.tracks())
        if (track->isAnimated())
            return false;
    return layer.kind == LottieLayer::Kind::Solid && layer.parent < 0 && !layer.hidden &&
           layer.in <= document.in && layer.out >= document.out && t.matrixAt(0).isIdentity() &&
           t.opacityAt(0) >= 1 && layer.solidSize == QSizeF(document.width, document.height);
}

ZenubShape textShape(const LottieLayer& layer)
{
    ZenubShape shape(ZenubShape::Type::Text, layer.name);
    ZenubText text;
    text.setFontFamily(layer.fontFamily);
    text.setFontSize(layer.fontSize);
    text.setAlignment(layer.justify == 1   ? ZenubText::Alignment::Right
                      : layer.justify == 2 ? ZenubText::Alignment::Center
                                           : ZenubText::Alignment::Left);
    const QString style = layer.fontStyle.toLower();
    ZenubTextRun run(layer.text);
    run.bold = style.contains(QLatin1String("bold")) || style.contains(QLatin1String("black")) ||
               style.contains(QLatin1String("heavy"));
    run.italic =
        style.contains(QLatin1String("italic")) || style.contains(QLatin1String("oblique"));
    text.setRuns({run});
    if (layer.lineHeight > 0 && layer.text.contains(QLatin1Char('\n'))) {
        const auto plain = TextLayout::of(text, QSizeF());
        if (!plain->lines().isEmpty() && plain->lines().constFirst().height > 0)
            text.setLineSpacing(layer.lineHeight / plain->lines().constFirst().height);
    }
    shape.setTextContent(text);
    shape.setFillColor(layer.textColor);
    return shape;
}

// Where a text's box lies in its layer: the first line's baseline starts (or is centred, or
// ends) at the layer's origin.
QRectF textBox(const ZenubText& text)
{
    const QSizeF natural = TextLayout::naturalSize(text, QSizeF());
    const auto layout = TextLayout::of(text, natural);
    const double baseline = layout->lines().isEmpty() ? 0
                                                      : layout->blockTop(natural.height()) +
                                                            layout->lines().constFirst().baseline;
    const double x = text.getAlignment() == ZenubText::Alignment::Left    ? 0
                     : text.getAlignment() == ZenubText::Alignment::Right ? -natural.width()
                                                                          : -natural.width() / 2;
    return QRectF(QPointF(x, -baseline), natural);
}

// A text's later documents as keys of its font size and colour on the project's frames (the
// file's \a first on): each document holds until the next, and the keys are fitted to that.
void keyText(const LottieLayer& layer, double first, int frames, ZenubShape* text)
{
    if (layer.textKeys.isEmpty())
        return;
    QVector<LottieKeyFitter::Candidate> candidates;
    LottieSamples sizes;
    LottieSamples colours;
    QVector<QColor> shown;
    for (int f = 0; f < frames; ++f) {
        double size = layer.fontSize;
        QColor colour = layer.textColor;
        for (const LottieLayer::TextKey& key : layer.textKeys)
            if (key.frame * layer.stretch + layer.start - first <= f + 1e-6) {
                size = key.fontSize;
                colour = key.color;
            }
        sizes.append({std::clamp(size, 1.0, 1000.0)});
        // Channels on the 0..255 scale the editor mixes them on.
        colours.append({double(colour.red()), double(colour.green()), double(colour.blue())});
        shown.append(colour);
    }
    candidates.append({0, ZenubEasing(ZenubEasing::Type::Hold)});
    for (const LottieLayer::TextKey& key : layer.textKeys)
        candidates.append({std::ceil(key.frame * layer.stretch + layer.start - first - 1e-6),
                           ZenubEasing(ZenubEasing::Type::Hold)});
    ZenubShapeTracks& tracks = text->tracks();
    // Fonts take whole pixel sizes: a size within half a pixel is drawn the same.
    const QVector<LottieKeyFitter::Key> sizeKeys = LottieKeyFitter::fit(sizes, candidates, 0.5);
    if (sizeKeys.size() > 1)
        for (const LottieKeyFitter::Key& key : sizeKeys)
            tracks.fontSize().setKey({key.frame, key.value.at(0), key.easing});
    const QVector<LottieKeyFitter::Key> colourKeys = LottieKeyFitter::fit(colours, candidates, 0.6);
    if (colourKeys.size() > 1)
        for (const LottieKeyFitter::Key& key : colourKeys)
            tracks.fill().setKey({key.frame, ZenubPaint(shown.at(key.frame)), key.easing});
}

void nameShapes(QVector<ZenubShape>& shapes, QSet<QString>* taken)
{
    for (ZenubShape& shape : shapes) {
        if (shape.getName().isEmpty())
            shape.setName(NameEdits::numbered(*taken, NewContent::baseName(shape.getType())));
        taken->insert(shape.getName());
        nameShapes(shape.members(), taken);
    }
}

} // namespace

bool LottieImporter::isLottieFile(const QString& fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0;
}

QString LottieImporter::leftOutMessage(const QString& fileName, const QStringList& unsupported)
{
    const int shown = 12;
    QStringList parts = unsupported.mid(0, shown);
    if (unsupported.size() > shown)
        parts << tr("and %n more", "", unsupported.size() - shown);
    return tr("Some parts of \"%1\" cannot be held by a project and were left out: %2.")
        .arg(QDir::toNativeSeparators(fileName), parts.join(QLatin1String("; ")));
}

bool LottieImporter::importFile(const QString& fileName, ZenubProject* project,
                                QStringList* unsupported, QString* errorString)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    const QFileInfo info(fileName);
    QFile file(fileName);
    if (!info.exists()) {
        *errorString = tr("The file \"%1\" does not exist.").arg(shown);
        return false;
    }
    // A pipe or a device would never end.
    if (!info.isFile() || !ZenubProjectFile::isWithinSizeLimit(info.size())) {
        *errorString = tr("\"%1\" is not a Lottie file of at most %2 MiB.")
                           .arg(shown)
                           .arg(ZenubProjectFile::maximumFileSize / (1024 * 1024));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *errorString = tr("The file \"%1\" cannot be read: %2").arg(shown, file.errorString());
        return false;
    }
    const QByteArray data = file.read(ZenubProjectFile::maximumFileSize + 1);
    LottieDocument document;
    QString error;
    if (!LottieReader::read(data, &document, &error) ||
        !import(document, project, unsupported, &error)) {
        *errorString = tr("\"%1\" cannot be opened as a Lottie animation. %2").arg(shown, error);
        return false;
    }
    if (document.name.isEmpty())
        project->setName(info.completeBaseName());
    return true;
}

bool LottieImporter::import(const LottieDocument& document, ZenubProject* project,
                            QStringList* unsupported, QString* errorString)
{
    QStringList leftOut = document.unsupported;
    const int frames = int(std::ceil(document.out - document.in));
    LottieShapeBuilder builder(document.in, frames, &leftOut);
    ZenubProject result = ZenubProject::createNew(
        document.name, document.width, document.height,
        qBound(1, int(std::round(document.frameRate)), ZenubProject::maximumFrameRate()));
    ZenubScene& scene = result.scenes()[0];
    scene.setDuration(std::max(1, frames));
    scene.layers().clear();
    QSet<QString> taken;
    qint64 samples = 0;
    for (int position = document.layers.size() - 1; position >= 0; --position) {
        const LottieLayer& layer = document.layers.at(position);
        if (layer.kind == LottieLayer::Kind::Null)
            continue;
        LottieChain chain;
        if (!chainOf(document, position, &chain)) {
            *errorString =
                tr("The parents of layer \"%1\" lead round in a circle.").arg(layer.name);
            return false;
        }
        const QString place = tr("layer \"%1\"").arg(layer.name);
        if (position == document.layers.size() - 1 && isBackground(document, layer)) {
            result.setBackgroundColor(layer.solidColor);
            continue;
        }
        QVector<ZenubShape> shapes;
        if (layer.kind == LottieLayer::Kind::Shape) {
            const QVector<LottieDrawn> drawn = LottieDrawn::listOf(layer.shapes, place);
            samples += qint64(countDrawn(drawn)) * frames;
            if (samples > maximumSamples()) {
                *errorString = tr("It is too long and draws too much to be opened: more than "
                                  "%1 shapes times frames.")
                                   .arg(maximumSamples());
                return false;
            }
            // Sampled only where the layer shows and a frame to each side, where it appears
            // and goes: hidden elsewhere, its shapes hold their values there.
            const int last = std::max(0, frames - 1);
            const int from = std::clamp(int(std::floor(layer.in - document.in)) - 1, 0, last);
            const int to = std::clamp(int(std::ceil(layer.out - document.in)), from, last);
            LottieShapeBuilder shown(document.in + from, to - from + 1, &leftOut);
            for (const LottieDrawn& entry : drawn)
                for (ZenubShape& shape : shown.build(entry, layer, chain, true)) {
                    delayKeys(&shape, from);
                    shapes.append(shape);
                }
        } else {
            samples += frames;
            ZenubShape shape;
            QRectF local;
            if (layer.kind == LottieLayer::Kind::Solid) {
                shape = ZenubShape(ZenubShape::Type::Rectangle, layer.name);
                shape.setFillColor(layer.solidColor);
                local = QRectF(QPointF(), layer.solidSize);
            } else if (layer.kind == LottieLayer::Kind::Image) {
                const PictureDecoder decoder(layer.picture);
                if (layer.picture.isEmpty())
                    continue;
                if (decoder.problem() != PictureDecoder::Problem::None ||
                    layer.picture.size() > ImageImport::maximumBytes()) {
                    leftOut << tr("a picture that cannot be shown (%1)").arg(place);
                    continue;
                }
                shape = ZenubShape(ZenubShape::Type::Image, layer.name);
                shape.setImageData(layer.picture);
                shape.setImageFormat(decoder.format());
                local = QRectF(QPointF(), layer.pictureSize.isEmpty() ? QSizeF(decoder.size())
                                                                      : layer.pictureSize);
            } else {
                shape = textShape(layer);
                keyText(layer, document.in, frames, &shape);
            }
            if (shape.getType() != ZenubShape::Type::Text) {
                builder.buildBox(
                    &shape, [local](int) { return local; }, layer, chain);
            } else {
                // The box grows with the font as the editor lays the words out.
                QHash<double, QRectF> boxes;
                builder.buildBox(
                    &shape,
                    [&shape, &boxes](int frame) {
                        const double size = shape.tracks().fontSize().valueAt(frame);
                        if (!boxes.contains(size))
                            boxes.insert(size, textBox(shape.textFor(size)));
                        return boxes.value(size);
                    },
                    layer, chain);
            }
            shapes.append(shape);
        }
        nameShapes(shapes, &taken);
        ZenubLayer added(layer.name);
        added.setVisible(!layer.hidden);
        for (const ZenubShape& shape : qAsConst(shapes))
            added.addShape(shape);
        scene.addLayer(added);
    }
    NewContent::ensureLayer(scene);
    *project = result;
    *unsupported = leftOut;
    return true;
}
