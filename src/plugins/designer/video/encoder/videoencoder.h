// SPDX-License-Identifier: MIT
#ifndef VIDEOENCODER_H
#define VIDEOENCODER_H

#include <QCoreApplication>
#include <QSize>
#include <QString>

#include <memory>

class QImage;

/*!
    Writes pictures as a video file through FFmpeg's libraries: H.264 in MP4 or VP9 in WebM,
    picked by the file name. The file appears under its name only when finish() succeeds; a
    failed or abandoned encoding leaves nothing behind.
*/
class VideoEncoder
{
    Q_DECLARE_TR_FUNCTIONS(VideoEncoder)
public:
    enum class Format { Mp4, WebM };

    VideoEncoder();
    ~VideoEncoder();

    /*! The format a file name asks for; false when its suffix is neither ".mp4" nor ".webm". */
    static bool formatForFileName(const QString& fileName, Format* format);
    /*! \a size rounded up to what the format's picture layout can hold (even for H.264). */
    static QSize encodedSize(Format format, const QSize& size);

    bool open(const QString& fileName, const QSize& size, int frameRate);
    /*! Adds one frame; the picture must have encodedSize(). */
    bool addFrame(const QImage& image);
    /*! Flushes the encoder and moves the file into place. */
    bool finish();

    QString errorString() const { return m_errorString; }

private:
    struct Private;

    bool fail(const QString& message, int code = 0);
    bool drain(bool bFlush);

    std::unique_ptr<Private> d;
    QString m_errorString;
};

#endif
