// SPDX-License-Identifier: MIT
#ifndef VIDEOENCODERAPI_H
#define VIDEOENCODERAPI_H

#include "videoencoderoptions.h"

#include <QImage>
#include <QSize>
#include <QString>

class VideoEncoder;

/*!
    What the encoder library, the one part that links FFmpeg's libraries, offers its loader.
    Loading those libraries costs every start of the application a noticeable time, so they
    come with the first video export instead.
*/
struct VideoEncoderApi
{
    VideoEncoder* (*create)();
    void (*destroy)(VideoEncoder* encoder);
    bool (*open)(VideoEncoder* encoder, const QString& fileName, const QSize& size, int frameRate,
                 const VideoEncoderOptions& options);
    int (*passCount)(const VideoEncoder* encoder);
    bool (*nextPass)(VideoEncoder* encoder);
    bool (*addFrame)(VideoEncoder* encoder, const QImage& image);
    bool (*finish)(VideoEncoder* encoder);
    QString (*errorString)(const VideoEncoder* encoder);
};

#define ZENUB_VIDEO_ENCODER_LIBRARY "libZenubVideoEncoder.so"
#define ZENUB_VIDEO_ENCODER_ENTRY "zenubVideoEncoderApi"

#endif
