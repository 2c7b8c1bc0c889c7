// SPDX-License-Identifier: MIT
#include "videoexportjob.h"

#include "loadedvideoencoder.h"
#include "model/io/exporttarget.h"
#include "video/encoder/videoencoder.h"

VideoExportJob::VideoExportJob(const ZenubProject& project, const QString& fileName,
                               const ExportSettings& settings)
    : m_pictures(project, settings)
    , m_settings(settings)
    , m_fileName(fileName)
{}

qint64 VideoExportJob::totalFrames() const
{
    VideoEncoder::Format format = VideoEncoder::Format::Mp4;
    const int passes =
        VideoEncoder::formatForFileName(m_fileName, &format) && format == VideoEncoder::Format::Gif
            ? 2
            : 1;
    return qint64(m_pictures.frames().size()) * passes;
}

bool VideoExportJob::run(const Progress& progress, const std::atomic_bool* cancelled)
{
    m_errorString.clear();
    m_bCancelled = false;
    if (m_pictures.frames().isEmpty()) {
        m_errorString = m_pictures.errorString();
        return false;
    }
    VideoEncoder::Format format;
    if (!VideoEncoder::formatForFileName(m_fileName, &format)) {
        m_errorString = VideoEncoder::unknownFormatError();
        return false;
    }
    m_errorString = ExportTarget::refusal(m_fileName, m_inputFiles);
    if (!m_errorString.isEmpty())
        return false;
    LoadedVideoEncoder encoder;
    VideoEncoderOptions options;
    options.quality = m_settings.quality;
    options.plays = m_settings.plays;
    options.bTransparent = m_settings.bTransparent;
    if (!encoder.open(m_fileName, m_pictures.size(), m_pictures.project().getFrameRate(),
                      options)) {
        m_errorString = encoder.errorString();
        return false;
    }
    const QSize canvas = VideoEncoder::encodedSize(format, m_pictures.size());
    const qint64 total = totalFrames();
    qint64 done = 0;
    for (int pass = 0; pass < encoder.passCount(); ++pass) {
        if (pass > 0 && !encoder.nextPass()) {
            m_errorString = encoder.errorString();
            return false;
        }
        for (int index = 0; index < m_pictures.frames().size(); ++index) {
            if (cancelled && cancelled->load()) {
                // The encoder's unfinished file goes with it.
                m_bCancelled = true;
                return false;
            }
            if (!encoder.addFrame(m_pictures.picture(index, canvas))) {
                m_errorString = encoder.errorString();
                return false;
            }
            if (progress)
                progress(++done, total);
        }
    }
    if (!encoder.finish()) {
        m_errorString = encoder.errorString();
        return false;
    }
    return true;
}
