// SPDX-License-Identifier: MIT
#include "shapeimages.h"

#include <QCache>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <memory>

namespace {

// Both kinds of picture behind one cache entry: a bitmap, or the parsed SVG document.
struct Decoded
{
    QImage image;
    std::unique_ptr<QSvgRenderer> svg;
    bool isValid() const { return !image.isNull() || (svg && svg->isValid()); }
};

// Counted in KiB of decoded pixels; a few full-HD pictures.
QCache<QByteArray, Decoded>& cache()
{
    static QCache<QByteArray, Decoded> decoded(64 * 1024);
    return decoded;
}

const Decoded* decode(const QByteArray& data, const QString& format)
{
    const QByteArray key = format.toLatin1() + ':' + QByteArray::number(qHash(data)) + ':' +
                           QByteArray::number(data.size());
    if (const Decoded* known = cache().object(key))
        return known;
    auto decoded = std::make_unique<Decoded>();
    if (format == QLatin1String("svg"))
        decoded->svg = std::make_unique<QSvgRenderer>(data);
    else
        decoded->image = QImage::fromData(data, format.toLatin1().constData());
    const int cost = decoded->image.isNull() ? 1 : int(decoded->image.sizeInBytes() / 1024) + 1;
    Decoded* kept = decoded.release();
    cache().insert(key, kept, cost);
    // insert() deletes what it cannot keep; look it up again rather than trust the pointer.
    return cache().object(key);
}

} // namespace

bool ShapeImages::canDecode(const QByteArray& data, const QString& format)
{
    const Decoded* decoded = decode(data, format);
    return decoded && decoded->isValid();
}

QSizeF ShapeImages::naturalSize(const QByteArray& data, const QString& format)
{
    const Decoded* decoded = decode(data, format);
    if (!decoded || !decoded->isValid())
        return QSizeF();
    if (decoded->svg)
        return decoded->svg->defaultSize();
    return decoded->image.size();
}

void ShapeImages::paint(QPainter* painter, const QByteArray& data, const QString& format,
                        const QRectF& box)
{
    const Decoded* decoded = decode(data, format);
    if (!decoded || !decoded->isValid()) {
        // A picture that cannot be read still shows where it is.
        painter->setPen(QPen(Qt::gray, 0, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(box);
        painter->drawLine(box.topLeft(), box.bottomRight());
        painter->drawLine(box.topRight(), box.bottomLeft());
        return;
    }
    if (decoded->svg) {
        decoded->svg->render(painter, box);
        return;
    }
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(box, decoded->image);
}
