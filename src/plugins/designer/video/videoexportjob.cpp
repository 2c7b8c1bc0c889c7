// SPDX-License-Identifier: MIT
#include "videoexportjob.h"

#include "loadedvideoencoder.h"
#include "model/render/framerenderer.h"
#include "video/encoder/videoencoder.h"

#include <QImage>
#include <QPainter>

VideoExportJob::VideoExportJob(const ZenubProject& project, const QString& fileName,
                               const QVector<int>& scenes)
    : m_project(project)
    , m_fileName(fileName)
    , m_scenes(scenes)
{
    if (m_scenes.isEmpty())
        for (int scene = 0; scene < m_project.getScenes().size(); ++scene)
            m_scenes.append(scene);
}

qint64 VideoExportJob::totalFrames() const
{
    qint64 total = 0;
    for (const int scene : m_scenes)
        if (scene >= 0 && scene < m_project.getScenes().size())
            total += std::max(0, m_project.getScenes().at(scene).getDuration());
    return total;
}

bool VideoExportJob::run(const Progress& progress, const std::atomic_bool* cancelled)
{
    m_errorString.clear();
    m_bCancelled = false;
    const qint64 total = totalFrames();
    if (total <= 0) {
        m_errorString = tr("There is nothing to export: the scene has no frames.");
        return false;
    }
    VideoEncoder::Format format;
    if (!VideoEncoder::formatForFileName(m_fileName, &format)) {
        m_errorString = tr("The video file name must end in \".mp4\" or \".webm\".");
        return false;
    }
    const QSize stage(m_project.getStageWidth(), m_project.getStageHeight());
    LoadedVideoEncoder encoder;
    if (!encoder.open(m_fileName, stage, m_project.getFrameRate())) {
        m_errorString = encoder.errorString();
        return false;
    }
    const FrameRenderer renderer(m_project);
    QImage image(VideoEncoder::encodedSize(format, stage), QImage::Format_RGB32);
    qint64 done = 0;
    for (const int scene : qAsConst(m_scenes)) {
        if (scene < 0 || scene >= m_project.getScenes().size())
            continue;
        const int duration = m_project.getScenes().at(scene).getDuration();
        for (int frame = 0; frame < duration; ++frame) {
            if (cancelled && cancelled->load()) {
                // The encoder's unfinished file goes with it.
                m_bCancelled = true;
                return false;
            }
            // A padding row or column for H.264 takes the background colour.
            image.fill(m_project.getBackgroundColor());
            {
                QPainter painter(&image);
                renderer.paint(&painter, scene, frame);
            }
            if (!encoder.addFrame(image)) {
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
