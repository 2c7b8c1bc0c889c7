// SPDX-License-Identifier: MIT
#include "picturedecoder.h"

#include "svgsanitizer.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// The longest reference a message lists before it is cut short.
const int kShownReference = 80;
const int kShownReferences = 5;

QString shortened(const QString& text)
{
    return text.size() <= kShownReference ? text : text.left(kShownReference - 1) + QChar(0x2026);
}

} // namespace

PictureDecoder::PictureDecoder(const QByteArray& data, const QString& format)
    : m_data(data)
    , m_format(formatOf(data))
{
    if (m_format.isEmpty() || (!format.isEmpty() && format != m_format)) {
        m_problem =
            m_format.isEmpty() && format.isEmpty() ? Problem::UnknownFormat : Problem::Damaged;
        return;
    }
    if (m_format == QLatin1String("svg")) {
        readSvg();
        return;
    }
    QBuffer buffer;
    buffer.setData(m_data);
    buffer.open(QIODevice::ReadOnly);
    // Only the header: a small file may declare more pixels than memory holds.
    m_size = QImageReader(&buffer, m_format.toLatin1()).size();
    if (m_size.isEmpty())
        m_problem = Problem::Damaged;
    else if (m_size.width() > maximumSide() || m_size.height() > maximumSide())
        m_problem = Problem::TooLarge;
}

PictureDecoder::~PictureDecoder() = default;

void PictureDecoder::readSvg()
{
    const SvgSanitizer safe(m_data);
    m_outside = safe.outsideReferences();
    m_innerProblem = safe.pictureProblem();
    m_innerSize = safe.pictureSize();
    if (safe.isValid())
        m_svg = std::make_unique<QSvgRenderer>(safe.document());
    if (!m_svg || !m_svg->isValid()) {
        m_svg.reset();
        m_problem = Problem::Damaged;
        return;
    }
    m_size = m_svg->defaultSize();
    if (!m_outside.isEmpty())
        m_problem = Problem::OutsideReferences;
    else
        m_problem = m_innerProblem;
}

QString PictureDecoder::formatOf(const QByteArray& data)
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

QString PictureDecoder::errorString(const QString& name) const
{
    switch (m_problem) {
    case Problem::None:
        return QString();
    case Problem::UnknownFormat:
        return tr("\"%1\" is not a PNG, JPEG or SVG image; only these can be inserted.").arg(name);
    case Problem::TooLarge:
        if (m_svg) {
            return tr("The image \"%1\" holds a picture of %2 × %3 pixels; pictures of at most "
                      "%4 pixels a side can be shown.")
                .arg(name)
                .arg(m_innerSize.width())
                .arg(m_innerSize.height())
                .arg(maximumSide());
        }
        return tr("The image \"%1\" is %2 × %3 pixels; images of at most %4 pixels a side can "
                  "be inserted.")
            .arg(name)
            .arg(m_size.width())
            .arg(m_size.height())
            .arg(maximumSide());
    case Problem::Damaged:
        if (m_svg) {
            return tr("The image \"%1\" holds a picture that is damaged or not a PNG or JPEG "
                      "image; only these can be shown inside an SVG image.")
                .arg(name);
        }
        return tr("The image \"%1\" is damaged and cannot be shown.").arg(name);
    case Problem::OutsideReferences: {
        QStringList shown;
        for (const QString& reference : m_outside.mid(0, kShownReferences))
            shown.append(shortened(reference));
        if (m_outside.size() > kShownReferences)
            shown.append(QString(QChar(0x2026)));
        return tr("The image \"%1\" links to files or addresses outside it, which are never "
                  "read: %2. Embed them in the SVG file to insert it.")
            .arg(name, shown.join(QStringLiteral(", ")));
    }
    }
    return QString();
}

bool PictureDecoder::isDrawable() const
{
    return m_svg || m_problem == Problem::None;
}

QImage PictureDecoder::image(const QSize& bound) const
{
    QSize target = m_size;
    if (bound.isValid())
        target = target.boundedTo(bound.expandedTo(QSize(1, 1)));
    if (m_svg) {
        // Pictures without a size of their own are drawn at the size asked for.
        if (target.isEmpty())
            target = bound;
        target = target.boundedTo(QSize(maximumSide(), maximumSide()));
        if (target.isEmpty())
            return QImage();
        QImage image(target, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        m_svg->render(&painter);
        return image;
    }
    if (m_problem != Problem::None)
        return QImage();
    QBuffer buffer;
    buffer.setData(m_data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, m_format.toLatin1());
    if (target != m_size)
        reader.setScaledSize(target);
    QImage image;
    if (!reader.read(&image) || image.size() != target)
        return QImage();
    return image;
}
