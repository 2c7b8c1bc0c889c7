// SPDX-License-Identifier: MIT
#include "shapeimages.h"

#include "model/images/picturedecoder.h"

#include <QCache>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <memory>

namespace {

// A picture is found by the address of its bytes, which every shape copied from another
// shares; each entry holds on to the bytes, so the address cannot be taken by other ones.
QByteArray keyOf(const QByteArray& data, const QString& format)
{
    return QByteArray::number(quintptr(data.constData()), 16) + ':' +
           QByteArray::number(data.size()) + ':' + format.toLatin1();
}

struct Picture
{
    Picture(const QByteArray& data, const QString& format)
        : data(data)
        , decoder(data, format)
    {}
    QByteArray data;
    PictureDecoder decoder;
};

struct Pixels
{
    QByteArray data;
    QImage image;
};

QCache<QByteArray, Picture>& pictures()
{
    thread_local QCache<QByteArray, Picture> cache(64);
    return cache;
}

// Counted in KiB of decoded pixels: a few dozen full-HD pictures.
QCache<QByteArray, Pixels>& pixels()
{
    thread_local QCache<QByteArray, Pixels> cache(256 * 1024);
    return cache;
}

const PictureDecoder& decoderOf(const QByteArray& data, const QString& format)
{
    const QByteArray key = keyOf(data, format);
    if (Picture* known = pictures().object(key))
        return known->decoder;
    auto* picture = new Picture(data, format);
    pictures().insert(key, picture);
    return picture->decoder;
}

// Per side, the picture's own size halved as often as it stays at least as large as drawn.
QSize decodedSize(const QSize& own, const QSizeF& drawn)
{
    const auto side = [](int pixels, double shown) {
        while (pixels > 1 && pixels / 2 >= shown)
            pixels = (pixels + 1) / 2;
        return pixels;
    };
    return QSize(side(own.width(), drawn.width()), side(own.height(), drawn.height()));
}

void paintCrossed(QPainter* painter, const QRectF& box, const QColor& color)
{
    painter->setPen(QPen(color, 0, Qt::DashLine));
    painter->drawRect(box);
    painter->drawLine(box.topLeft(), box.bottomRight());
    painter->drawLine(box.topRight(), box.bottomLeft());
}

} // namespace

void ShapeImages::paint(QPainter* painter, const QByteArray& data, const QString& format,
                        const QRectF& box)
{
    const PictureDecoder& decoder = decoderOf(data, format);
    if (QSvgRenderer* svg = decoder.svg()) {
        svg->render(painter, box);
        return;
    }
    painter->save();
    painter->setBrush(Qt::NoBrush);
    if (decoder.problem() == PictureDecoder::Problem::TooLarge) {
        // Marked so that nobody takes it for the picture, or for a damaged one.
        const QColor mark(0xd0, 0x30, 0x30);
        painter->fillRect(box, QColor(mark.red(), mark.green(), mark.blue(), 0x30));
        paintCrossed(painter, box, mark);
        QFont font = painter->font();
        font.setPixelSize(int(qBound(4.0, box.height() / 10, 48.0)));
        painter->setFont(font);
        painter->setPen(mark);
        painter->drawText(box, Qt::AlignCenter | Qt::TextWordWrap,
                          tr("Image too large to show: %1 × %2 pixels")
                              .arg(decoder.size().width())
                              .arg(decoder.size().height()));
        painter->restore();
        return;
    }
    // The size on the device, whatever the zoom, density or rotation.
    const QTransform device = painter->deviceTransform();
    const QSizeF drawn(box.width() * std::hypot(device.m11(), device.m12()),
                       box.height() * std::hypot(device.m21(), device.m22()));
    const QSize size = decodedSize(decoder.size(), drawn);
    const QByteArray key = keyOf(data, format) + ':' + QByteArray::number(size.width()) + 'x' +
                           QByteArray::number(size.height());
    QImage image;
    if (const Pixels* known = pixels().object(key)) {
        image = known->image;
    } else if (decoder.isDrawable()) {
        image = decoder.image(size);
        // A picture larger than the whole cache is drawn all the same, decoded again next time.
        if (!image.isNull())
            pixels().insert(key, new Pixels{data, image}, int(image.sizeInBytes() / 1024) + 1);
    }
    if (image.isNull()) {
        // A picture that cannot be read still shows where it is.
        paintCrossed(painter, box, Qt::gray);
    } else {
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(box, image);
    }
    painter->restore();
}
