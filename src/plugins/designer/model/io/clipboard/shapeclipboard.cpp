// SPDX-License-Identifier: MIT
#include "shapeclipboard.h"

#include "model/images/imageimport.h"
#include "model/images/picturedecoder.h"
#include "model/io/svg/svgshapes.h"
#include "model/io/zenub/zenubjsonreader.h"
#include "shapesvgwriter.h"

#include <QFont>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeData>
#include <QRectF>
#include <QTransform>
#include <QXmlStreamWriter>

namespace {

// Version 2 holds what project files hold in version 3, version 3 what they hold from version 4
// on: before it, shapes moved by keyframes of their box.
const int kFormatVersion = 3;

int projectVersionOf(int clipboardVersion)
{
    return clipboardVersion >= 3 ? ZenubJsonReader::tracksVersion()
                                 : ZenubJsonReader::tracksVersion() - 1;
}
// A clipboard is no place for a whole project; more than this is refused, not pasted slowly.
const int kMaximumShapes = 10000;

// The message for the first picture, groups' members included, that PictureDecoder refuses.
QString firstPictureProblem(const QVector<ZenubShape>& shapes)
{
    for (const ZenubShape& shape : shapes) {
        if (shape.getType() == ZenubShape::Type::Image) {
            const PictureDecoder picture(shape.getImageData(), shape.getImageFormat());
            if (picture.problem() != PictureDecoder::Problem::None)
                return picture.errorString(shape.getName());
        }
        const QString inside = firstPictureProblem(shape.getMembers());
        if (!inside.isEmpty())
            return inside;
    }
    return QString();
}

} // namespace

QMimeData* ShapeClipboard::toMimeData(const QVector<ZenubShape>& shapes, int frame)
{
    QJsonArray array;
    for (const ZenubShape& shape : shapes)
        array.append(shape.toJson());
    const QJsonObject root{{QStringLiteral("format"), QStringLiteral("zenub-shapes")},
                           {QStringLiteral("version"), kFormatVersion},
                           {QStringLiteral("shapes"), array}};
    auto* data = new QMimeData();
    data->setData(mimeType(), QJsonDocument(root).toJson(QJsonDocument::Compact));
    data->setData(svgMimeType(), ShapeSvgWriter::toSvg(shapes, frame));
    return data;
}

bool ShapeClipboard::canPaste(const QMimeData* data)
{
    return data && (data->hasFormat(mimeType()) || !pictureFormat(data).isEmpty());
}

QString ShapeClipboard::pictureFormat(const QMimeData* data)
{
    // SVG first: a program offering it with a bitmap copied drawings, not photos.
    for (const QString& format :
         {svgMimeType(), QStringLiteral("image/png"), QStringLiteral("image/jpeg")})
        if (data->hasFormat(format))
            return format;
    return QString();
}

QVector<ZenubShape> ShapeClipboard::fromMimeData(const QMimeData* data, const QSizeF& stage,
                                                 bool bSvgAsShapes, QString* errorString)
{
    const auto fail = [errorString](const QString& message) {
        if (errorString)
            *errorString = message;
        return QVector<ZenubShape>();
    };
    if (!canPaste(data))
        return fail(tr("The clipboard holds no shapes."));
    if (!data->hasFormat(mimeType())) {
        const QString format = pictureFormat(data);
        const QByteArray picture = data->data(format);
        QVector<ZenubShape> shapes;
        if (format == svgMimeType() && bSvgAsShapes && SvgShapes::convert(picture, &shapes))
            return shapes;
        bool bOk = false;
        const ZenubShape image =
            ImageImport::fromData(picture, tr("Pasted Image"), stage, &bOk, errorString);
        return bOk ? QVector<ZenubShape>{image} : QVector<ZenubShape>();
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data->data(mimeType()), &parseError);
    const QJsonObject root = document.object();
    if (document.isNull() || !document.isObject())
        return fail(
            tr("The shapes on the clipboard cannot be read: %1").arg(parseError.errorString()));
    const int version = root.value(QStringLiteral("version")).toInt();
    if (version > kFormatVersion)
        return fail(tr("The shapes on the clipboard come from a newer version of Zenub Animate."));

    ZenubJsonReader reader;
    reader.setFormatVersion(projectVersionOf(version));
    const QString path = QStringLiteral("clipboard");
    const QJsonArray array = reader.readArray(root, path, QStringLiteral("shapes"));
    if (array.size() > kMaximumShapes)
        return fail(tr("The clipboard holds too many shapes (%1).").arg(array.size()));
    QVector<ZenubShape> shapes;
    const QString arrayPath = ZenubJsonReader::child(path, QStringLiteral("shapes"));
    for (int i = 0; i < array.size() && !reader.hasError(); ++i) {
        const QString shapePath = ZenubJsonReader::element(arrayPath, i);
        shapes.append(
            ZenubShape::fromJson(reader.objectAt(array, arrayPath, i), reader, shapePath));
    }
    if (reader.hasError())
        return fail(tr("The shapes on the clipboard cannot be read: %1").arg(reader.errorString()));
    if (shapes.isEmpty())
        return fail(tr("The clipboard holds no shapes."));
    // Another program can put anything there in our format: pictures pass the same checks as
    // those inserted from files.
    const QString pictureError = firstPictureProblem(shapes);
    if (!pictureError.isEmpty())
        return fail(pictureError);
    return shapes;
}
