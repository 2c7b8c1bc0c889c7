// SPDX-License-Identifier: MIT
#include "video/encoder/videoencoder.h"

#include <QFileInfo>

// Apart from the encoder, so that choosing a format does not link FFmpeg's libraries.

bool VideoEncoder::formatForFileName(const QString& fileName, Format* format)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("mp4"))
        *format = Format::Mp4;
    else if (suffix == QLatin1String("webm"))
        *format = Format::WebM;
    else if (suffix == QLatin1String("gif"))
        *format = Format::Gif;
    else if (suffix == QLatin1String("webp"))
        *format = Format::WebP;
    else if (suffix == QLatin1String("apng") || suffix == QLatin1String("png"))
        *format = Format::Apng;
    else
        return false;
    return true;
}

QString VideoEncoder::unknownFormatError()
{
    return tr("The video file name must end in \".mp4\", \".webm\", \".gif\", \".webp\" or "
              "\".apng\".");
}

bool VideoEncoder::canBeTransparent(Format format)
{
    return format == Format::Gif || format == Format::WebP || format == Format::Apng;
}

int VideoEncoder::lookaheadFrames(const QSize& size, int usual)
{
    // What the held frames may take, counted in the encoder's own pictures (1.5 bytes a pixel).
    const qint64 budget = qint64(512) << 20;
    const qint64 frameBytes = qint64(size.width()) * size.height() * 3 / 2;
    return int(qBound<qint64>(0, frameBytes > 0 ? budget / frameBytes : usual, usual));
}

QSize VideoEncoder::encodedSize(Format format, const QSize& size)
{
    // Browsers play H.264 only with halved colour planes, which need even sides.
    if (format == Format::Mp4)
        return QSize(size.width() + size.width() % 2, size.height() + size.height() % 2);
    return size;
}
