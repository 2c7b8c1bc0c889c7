// SPDX-License-Identifier: MIT
#include "svgsanitizer.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

bool isLink(const QStringRef& attribute)
{
    return attribute.compare(QLatin1String("href"), Qt::CaseInsensitive) == 0 ||
           attribute.endsWith(QLatin1String(":href"), Qt::CaseInsensitive);
}

} // namespace

SvgSanitizer::SvgSanitizer(const QByteArray& svg)
{
    QXmlStreamReader xml(svg);
    // Prefixes are copied as written: the renderer finds its links by the name "xlink:href".
    xml.setNamespaceProcessing(false);
    QXmlStreamWriter out(&m_document);
    // While above zero, the reader is inside an element that is left out.
    int skipped = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartDocument:
            out.writeStartDocument();
            break;
        case QXmlStreamReader::EndDocument:
            out.writeEndDocument();
            break;
        case QXmlStreamReader::StartElement: {
            if (skipped) {
                ++skipped;
                break;
            }
            const QStringRef name = xml.qualifiedName();
            const bool image =
                name == QLatin1String("image") || name.endsWith(QLatin1String(":image"));
            QXmlStreamAttributes kept;
            bool leftOut = false;
            const QXmlStreamAttributes attributes = xml.attributes();
            for (const QXmlStreamAttribute& attribute : attributes) {
                if (!isLink(attribute.qualifiedName())) {
                    kept.append(attribute);
                    continue;
                }
                const QString address = attribute.value().trimmed().toString();
                // The renderer reads an image's link as a file name, even one starting with #.
                if (!image && address.startsWith(QLatin1Char('#'))) {
                    kept.append(attribute);
                    continue;
                }
                const bool held = address.startsWith(QLatin1String("data:"), Qt::CaseInsensitive);
                const QString picture = image && held ? keptPicture(address) : QString();
                if (!picture.isEmpty()) {
                    kept.append(attribute.qualifiedName().toString(), picture);
                    continue;
                }
                // A hyperlink is never followed by the renderer; it is only not copied.
                if (!held && !address.isEmpty() && name != QLatin1String("a"))
                    m_outside.append(address);
                leftOut = leftOut || image;
            }
            if (leftOut) {
                skipped = 1;
                break;
            }
            out.writeStartElement(name.toString());
            out.writeAttributes(kept);
            break;
        }
        case QXmlStreamReader::EndElement:
            if (skipped)
                --skipped;
            else
                out.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            if (skipped)
                break;
            if (xml.isCDATA())
                out.writeCDATA(xml.text().toString());
            else
                out.writeCharacters(xml.text().toString());
            break;
        default:
            // The document type (and any entity it declares), comments, processing
            // instructions and entities the reader could not resolve.
            break;
        }
    }
    m_valid = !xml.hasError();
    if (!m_valid)
        m_document.clear();
}

QString SvgSanitizer::keptPicture(const QString& address)
{
    // data:[<media type>][;base64],<data>
    const int comma = address.indexOf(QLatin1Char(','));
    QByteArray bytes;
    if (comma > 0) {
        const QString header = address.left(comma);
        const QStringRef payload = address.midRef(comma + 1);
        bytes = header.endsWith(QLatin1String(";base64"), Qt::CaseInsensitive)
                    ? QByteArray::fromBase64(payload.toLatin1())
                    : QByteArray::fromPercentEncoding(payload.toUtf8());
    }
    // An SVG inside would be drawn by a renderer of its own, which this copy does not reach:
    // only bitmaps are held.
    const QString format = PictureDecoder::formatOf(bytes);
    const bool bitmap = !format.isEmpty() && format != QLatin1String("svg");
    const PictureDecoder picture(bitmap ? bytes : QByteArray(),
                                 bitmap ? format : QStringLiteral("png"));
    const PictureDecoder::Problem problem = picture.problem();
    if (problem != PictureDecoder::Problem::None) {
        if (m_pictureProblem == PictureDecoder::Problem::None) {
            m_pictureProblem = problem;
            m_pictureSize = picture.size();
        }
        return QString();
    }
    // Written out again, so that the renderer reads exactly the bytes that were checked.
    return QStringLiteral("data:image/%1;base64,").arg(picture.format()) +
           QString::fromLatin1(bytes.toBase64());
}
