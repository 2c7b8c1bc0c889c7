// SPDX-License-Identifier: MIT
#ifndef LOADEDVIDEOENCODER_H
#define LOADEDVIDEOENCODER_H

#include "videoencoderoptions.h"

#include <QCoreApplication>
#include <QSize>
#include <QString>

class QImage;
class VideoEncoder;
struct VideoEncoderApi;

/*!
    A VideoEncoder in the encoder library, which is loaded when the first video is opened:
    FFmpeg's libraries would otherwise slow down every start of the application.
*/
class LoadedVideoEncoder
{
    Q_DECLARE_TR_FUNCTIONS(LoadedVideoEncoder)
public:
    LoadedVideoEncoder() = default;
    ~LoadedVideoEncoder();
    LoadedVideoEncoder(const LoadedVideoEncoder&) = delete;
    LoadedVideoEncoder& operator=(const LoadedVideoEncoder&) = delete;

    bool open(const QString& fileName, const QSize& size, int frameRate,
              const VideoEncoderOptions& options);
    int passCount() const;
    bool nextPass();
    bool addFrame(const QImage& image);
    bool finish();

    QString errorString() const;

private:
    const VideoEncoderApi* m_pApi = nullptr;
    VideoEncoder* m_pEncoder = nullptr;
    QString m_loadError;
};

#endif
