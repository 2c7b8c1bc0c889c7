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
    else
        return false;
    return true;
}

QSize VideoEncoder::encodedSize(Format format, const QSize& size)
{
    // Browsers play H.264 only with halved colour planes, which need even sides.
    if (format == Format::Mp4)
        return QSize(size.width() + size.width() % 2, size.height() + size.height() % 2);
    return size;
}
