// SPDX-License-Identifier: MIT
#include "video/videoencoderapi.h"
#include "videoencoder.h"

extern "C" Q_DECL_EXPORT const VideoEncoderApi* zenubVideoEncoderApi()
{
    static const VideoEncoderApi api{
        []() { return new VideoEncoder; },
        [](VideoEncoder* encoder) { delete encoder; },
        [](VideoEncoder* encoder, const QString& fileName, const QSize& size, int frameRate,
           const VideoEncoderOptions& options) {
            return encoder->open(fileName, size, frameRate, options);
        },
        [](const VideoEncoder* encoder) { return encoder->passCount(); },
        [](VideoEncoder* encoder) { return encoder->nextPass(); },
        [](VideoEncoder* encoder, const QImage& image) { return encoder->addFrame(image); },
        [](VideoEncoder* encoder) { return encoder->finish(); },
        [](const VideoEncoder* encoder) {
            return encoder->errorString();
        }};
    return &api;
}
