// SPDX-License-Identifier: MIT
#include "imageimport.h"

#include "model/render/shapeimages.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
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

QString ImageImport::formatOf(const QByteArray& data)
{
    if (data.startsWith("\x89PNG\r\n\x1a\n"))
        return QStringLiteral("png");
    if (data.startsWith("\xff\xd8\xff"))
        return QStringLiteral("jpeg");
    // Compressed SVG would not show in the exported page, which reads the picture as text.
    if (!data.startsWith("\x1f\x8b") && data.left(4096).contains("<svg"))
        return QStringLiteral("svg");
    return QString();
}

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
    const QString format = formatOf(data);
    if (format.isEmpty()) {
        fail(ok, errorString,
             tr("\"%1\" is not a PNG, JPEG or SVG image; only these can be inserted.").arg(name));
        return ZenubShape();
    }
    // The header tells the size without decoding, so a small file cannot make us allocate
    // gigabytes of pixels.
    if (format != QLatin1String("svg")) {
        QBuffer buffer;
        buffer.setData(data);
        const QSize pixels = QImageReader(&buffer, format.toLatin1()).size();
        if (pixels.width() > maximumSide() || pixels.height() > maximumSide()) {
            fail(ok, errorString,
                 tr("The image \"%1\" is %2 × %3 pixels; images of at most %4 pixels a side can "
                    "be inserted.")
                     .arg(name)
                     .arg(pixels.width())
                     .arg(pixels.height())
                     .arg(maximumSide()));
            return ZenubShape();
        }
    }
    QSizeF size = ShapeImages::naturalSize(data, format);
    if (!ShapeImages::canDecode(data, format)) {
        fail(ok, errorString, tr("The image \"%1\" is damaged and cannot be shown.").arg(name));
        return ZenubShape();
    }
    // An SVG without a size of its own takes half the stage.
    if (size.isEmpty())
        size = stage / 2;
    const double scale =
        std::min({1.0, stage.width() / size.width(), stage.height() / size.height()});
    size *= scale;

    ZenubShape shape(ZenubShape::Type::Image, name);
    shape.setImageFormat(format);
    shape.setImageData(data);
    shape.setKeyframe(ZenubKeyframe(0, (stage.width() - size.width()) / 2,
                                    (stage.height() - size.height()) / 2, size.width(),
                                    size.height()));
    return shape;
}
