// SPDX-License-Identifier: MIT
#include "exportpictures.h"

#include "model/render/framerenderer.h"

#include <QPainter>

ExportPictures::ExportPictures(const ZenubProject& project, const ExportSettings& settings)
    : m_project(project)
    , m_settings(settings)
    , m_frames(settings.frames(project, &m_errorString))
    , m_size(settings.outputSize(project))
{
    // The renderer fills the stage with its colour; a clear one leaves the pixels untouched.
    if (settings.bTransparent)
        m_project.setBackgroundColor(Qt::transparent);
}

QImage ExportPictures::picture(int index, const QSize& canvas) const
{
    QImage image(canvas, m_settings.bTransparent ? QImage::Format_ARGB32_Premultiplied
                                                 : QImage::Format_RGB32);
    // Padding beyond the stage (a video's even sides) takes the background colour.
    image.fill(m_project.getBackgroundColor());
    {
        QPainter painter(&image);
        painter.scale(m_size.width() / double(m_project.getStageWidth()),
                      m_size.height() / double(m_project.getStageHeight()));
        const ExportFrame& frame = m_frames.at(index);
        FrameRenderer(m_project).paint(&painter, frame.scene, frame.frame);
    }
    // Encoders and PNG want straight alpha.
    return m_settings.bTransparent ? image.convertToFormat(QImage::Format_ARGB32) : image;
}
