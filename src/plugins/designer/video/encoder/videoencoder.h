// SPDX-License-Identifier: MIT
#ifndef VIDEOENCODER_H
#define VIDEOENCODER_H

#include <QCoreApplication>
#include <QSize>
#include <QString>

#include <memory>

#include "video/videoencoderoptions.h"

class QImage;
struct AVFrame;

/*!
    Writes pictures as a video file through FFmpeg's libraries: H.264 in MP4, VP9 in WebM, or
    an animated GIF, WebP or APNG picture, picked by the file name. The file appears under its
    name only when finish() succeeds; a failed or abandoned encoding leaves nothing behind.

    A GIF takes the frames twice (passCount()): first to choose its palette, then to encode
    them with it. Keeping them in between would cost a copy of every frame.
*/
class VideoEncoder
{
    Q_DECLARE_TR_FUNCTIONS(VideoEncoder)
public:
    enum class Format { Mp4, WebM, Gif, WebP, Apng };

    VideoEncoder();
    ~VideoEncoder();

    /*! The format a file name asks for; false when its suffix names none. */
    static bool formatForFileName(const QString& fileName, Format* format);
    /*! The error for a file name that names no format. */
    static QString unknownFormatError();
    /*! Whether the format can keep transparent pixels. */
    static bool canBeTransparent(Format format);
    /*! \a size rounded up to what the format's picture layout can hold (even for H.264). */
    static QSize encodedSize(Format format, const QSize& size);
    /*!
        The frames an encoder may hold back to look ahead, at most \a usual: fewer for large
        frames, so that what it holds stays within a few hundred megabytes.
    */
    static int lookaheadFrames(const QSize& size, int usual);

    bool open(const QString& fileName, const QSize& size, int frameRate,
              const VideoEncoderOptions& options = VideoEncoderOptions());
    /*! How often every frame must be added, each run after nextPass(). */
    int passCount() const;
    bool nextPass();
    /*! Adds one frame; the picture must have encodedSize(). */
    bool addFrame(const QImage& image);
    /*! Flushes the encoder and moves the file into place. */
    bool finish();

    QString errorString() const { return m_errorString; }

private:
    struct Private;

    bool fail(const QString& message, int code = 0);
    bool openCodec(Format kind, const VideoEncoderOptions& options);
    bool encode(AVFrame* frame);
    bool filter(AVFrame* frame);
    bool drain(bool bFlush);

    std::unique_ptr<Private> d;
    QString m_errorString;
};

#endif
