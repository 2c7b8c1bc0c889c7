// SPDX-License-Identifier: MIT
#include "imageimport.h"

#include "picturedecoder.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>

#include <algorithm>

namespace {

bool fail(bool* ok, QString* errorString, const QString& message)
{
    *ok = false;
    if (errorString)
        *errorString = message;
    return false;
}

QString tooLarge(const QString& name, qint64 bytes)
{
    return ImageImport::tr("The image \"%1\" is %2; images of at most %3 can be inserted, "
                           "since the project keeps a copy of each.")
        .arg(name, QLocale().formattedDataSize(bytes),
             QLocale().formattedDataSize(ImageImport::maximumBytes()));
}

} // namespace

ZenubShape ImageImport::fromFile(const QString& fileName, const QSizeF& stage, bool* ok,
                                 QString* errorString)
{
    const QString name = QFileInfo(fileName).fileName();
    QFile file(fileName);
    // A pipe or device would block the reading, or never end.
    if (!QFileInfo(fileName).isFile()) {
        fail(ok, errorString, tr("\"%1\" is not a file.").arg(name));
        return ZenubShape();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        fail(ok, errorString,
             tr("The image \"%1\" cannot be read: %2").arg(name, file.errorString()));
        return ZenubShape();
    }
    if (file.size() > maximumBytes()) {
        fail(ok, errorString, tooLarge(name, file.size()));
        return ZenubShape();
    }
    // Messages name the file; the shape goes without the extension.
    ZenubShape shape = fromData(file.readAll(), name, stage, ok, errorString);
    shape.setName(QFileInfo(fileName).completeBaseName());
    return shape;
}

ZenubShape ImageImport::fromData(const QByteArray& data, const QString& name, const QSizeF& stage,
                                 bool* ok, QString* errorString)
{
    *ok = true;
    if (data.size() > maximumBytes()) {
        fail(ok, errorString, tooLarge(name, data.size()));
        return ZenubShape();
    }
    const PictureDecoder decoder(data);
    if (decoder.problem() != PictureDecoder::Problem::None) {
        fail(ok, errorString, decoder.errorString(name));
        return ZenubShape();
    }
    // Decoded once, small, so that a damaged picture is refused now rather than drawn crossed
    // out later.
    if (!decoder.svg() && decoder.image(QSize(64, 64)).isNull()) {
        fail(ok, errorString, tr("The image \"%1\" is damaged and cannot be shown.").arg(name));
        return ZenubShape();
    }
    QSizeF size = decoder.size();
    // An SVG without a size of its own takes half the stage.
    if (size.isEmpty())
        size = stage / 2;
    const double scale =
        std::min({1.0, stage.width() / size.width(), stage.height() / size.height()});
    size *= scale;

    ZenubShape shape(ZenubShape::Type::Image, name);
    shape.setImageFormat(decoder.format());
    shape.setImageData(data);
    shape.setKeyframe(ZenubKeyframe(0, (stage.width() - size.width()) / 2,
                                    (stage.height() - size.height()) / 2, size.width(),
                                    size.height()));
    return shape;
}
