// SPDX-License-Identifier: MIT
#include "shapeclipboard.h"

#include "model/images/imageimport.h"
#include "model/images/picturedecoder.h"
#include "model/io/svg/svgshapes.h"
#include "model/io/zenub/zenubjsonreader.h"
#include "model/render/framerenderer.h"

#include <QFont>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeData>
#include <QRectF>
#include <QTransform>
#include <QXmlStreamWriter>

namespace {

const int kFormatVersion = 1;
// A clipboard is no place for a whole project; more than this is refused, not pasted slowly.
const int kMaximumShapes = 10000;

QRectF boxOf(const ZenubKeyframe& state)
{
    return QRectF(state.getX(), state.getY(), state.getWidth(), state.getHeight());
}

QString number(double value)
{
    return QString::number(value, 'g', 10);
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
    data->setData(svgMimeType(), toSvg(shapes, frame));
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
    if (root.value(QStringLiteral("version")).toInt() > kFormatVersion)
        return fail(tr("The shapes on the clipboard come from a newer version of Zenub Animate."));

    ZenubJsonReader reader;
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
    for (const ZenubShape& shape : qAsConst(shapes)) {
        if (shape.getType() != ZenubShape::Type::Image)
            continue;
        const PictureDecoder picture(shape.getImageData(), shape.getImageFormat());
        if (picture.problem() != PictureDecoder::Problem::None)
            return fail(picture.errorString(shape.getName()));
    }
    return shapes;
}

QByteArray ShapeClipboard::toSvg(const QVector<ZenubShape>& shapes, int frame)
{
    QRectF bounds;
    QVector<QPair<const ZenubShape*, ZenubKeyframe>> drawn;
    for (const ZenubShape& shape : shapes) {
        ZenubKeyframe state;
        if (!shape.stateAt(frame, &state))
            continue;
        const QRectF box = boxOf(state);
        QTransform turn;
        turn.translate(box.center().x(), box.center().y());
        turn.rotate(state.getRotation());
        turn.translate(-box.center().x(), -box.center().y());
        bounds = bounds.united(turn.mapRect(box));
        drawn.append(qMakePair(&shape, state));
    }
    if (bounds.isEmpty())
        bounds = QRectF(0, 0, 1, 1);

    QByteArray svg;
    QXmlStreamWriter xml(&svg);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("width"), number(bounds.width()));
    xml.writeAttribute(QStringLiteral("height"), number(bounds.height()));
    xml.writeAttribute(QStringLiteral("viewBox"),
                       QStringLiteral("%1 %2 %3 %4")
                           .arg(number(bounds.x()), number(bounds.y()), number(bounds.width()),
                                number(bounds.height())));
    for (const auto& entry : qAsConst(drawn)) {
        const ZenubShape& shape = *entry.first;
        const ZenubKeyframe& state = entry.second;
        const QRectF box = boxOf(state);
        const QString fill = shape.getFillColor().name(QColor::HexRgb);
        const double opacity = state.getOpacity();
        switch (shape.getType()) {
        case ZenubShape::Type::Rectangle:
            xml.writeStartElement(QStringLiteral("rect"));
            xml.writeAttribute(QStringLiteral("x"), number(box.x()));
            xml.writeAttribute(QStringLiteral("y"), number(box.y()));
            xml.writeAttribute(QStringLiteral("width"), number(box.width()));
            xml.writeAttribute(QStringLiteral("height"), number(box.height()));
            if (shape.getCornerRadius() > 0)
                xml.writeAttribute(QStringLiteral("rx"), number(shape.getCornerRadius()));
            break;
        case ZenubShape::Type::Ellipse:
            xml.writeStartElement(QStringLiteral("ellipse"));
            xml.writeAttribute(QStringLiteral("cx"), number(box.center().x()));
            xml.writeAttribute(QStringLiteral("cy"), number(box.center().y()));
            xml.writeAttribute(QStringLiteral("rx"), number(box.width() / 2));
            xml.writeAttribute(QStringLiteral("ry"), number(box.height() / 2));
            break;
        case ZenubShape::Type::Text: {
            const QFont font = FrameRenderer::textFont(shape, box);
            xml.writeStartElement(QStringLiteral("text"));
            xml.writeAttribute(QStringLiteral("x"), number(box.center().x()));
            xml.writeAttribute(QStringLiteral("y"), number(box.center().y()));
            xml.writeAttribute(QStringLiteral("font-family"), shape.getFontFamily());
            xml.writeAttribute(QStringLiteral("font-size"), number(font.pixelSize()));
            xml.writeAttribute(QStringLiteral("text-anchor"), QStringLiteral("middle"));
            xml.writeAttribute(QStringLiteral("dominant-baseline"), QStringLiteral("central"));
            break;
        }
        case ZenubShape::Type::Image:
            xml.writeStartElement(QStringLiteral("image"));
            xml.writeAttribute(QStringLiteral("x"), number(box.x()));
            xml.writeAttribute(QStringLiteral("y"), number(box.y()));
            xml.writeAttribute(QStringLiteral("width"), number(box.width()));
            xml.writeAttribute(QStringLiteral("height"), number(box.height()));
            xml.writeAttribute(QStringLiteral("preserveAspectRatio"), QStringLiteral("none"));
            xml.writeAttribute(QStringLiteral("href"),
                               QStringLiteral("data:image/%1;base64,")
                                       .arg(shape.getImageFormat() == QLatin1String("svg")
                                                ? QStringLiteral("svg+xml")
                                                : shape.getImageFormat()) +
                                   QString::fromLatin1(shape.getImageData().toBase64()));
            break;
        }
        if (shape.getType() != ZenubShape::Type::Image) {
            xml.writeAttribute(QStringLiteral("fill"), fill);
            if (shape.getFillColor().alpha() < 255)
                xml.writeAttribute(QStringLiteral("fill-opacity"),
                                   number(shape.getFillColor().alphaF()));
        }
        // Texts are drawn in their fill colour alone, as on the stage.
        if (shape.getStrokeWidth() > 0 && shape.getType() != ZenubShape::Type::Text) {
            xml.writeAttribute(QStringLiteral("stroke"), shape.getStrokeColor().name());
            xml.writeAttribute(QStringLiteral("stroke-width"), number(shape.getStrokeWidth()));
            if (shape.getStrokeColor().alpha() < 255)
                xml.writeAttribute(QStringLiteral("stroke-opacity"),
                                   number(shape.getStrokeColor().alphaF()));
        }
        if (opacity < 1.0)
            xml.writeAttribute(QStringLiteral("opacity"), number(opacity));
        if (state.getRotation() != 0.0)
            xml.writeAttribute(QStringLiteral("transform"),
                               QStringLiteral("rotate(%1 %2 %3)")
                                   .arg(number(state.getRotation()), number(box.center().x()),
                                        number(box.center().y())));
        if (shape.getType() == ZenubShape::Type::Text)
            xml.writeCharacters(shape.getText());
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return svg;
}
