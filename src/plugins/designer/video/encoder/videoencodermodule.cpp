// SPDX-License-Identifier: MIT
#include "videoencoder.h"
#include "video/videoencoderapi.h"

extern "C" Q_DECL_EXPORT const VideoEncoderApi* zenubVideoEncoderApi()
{
    static const VideoEncoderApi api{
        []() { return new VideoEncoder; },
        [](VideoEncoder* encoder) { delete encoder; },
        [](VideoEncoder* encoder, const QString& fileName, const QSize& size, int frameRate) {
            return encoder->open(fileName, size, frameRate);
        },
        [](VideoEncoder* encoder, const QImage& image) { return encoder->addFrame(image); },
        [](VideoEncoder* encoder) { return encoder->finish(); },
        [](const VideoEncoder* encoder) {
            return encoder->errorString();
        }};
    return &api;
}
