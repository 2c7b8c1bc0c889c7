// SPDX-License-Identifier: MIT
#include "onionskin.h"

#include "model/project/zenubproject.h"
#include "model/render/framerenderer.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

const QColor& OnionSkin::beforeTint()
{
    static const QColor tint(0xe0, 0x30, 0x30);
    return tint;
}

const QColor& OnionSkin::afterTint()
{
    static const QColor tint(0x20, 0xb0, 0x40);
    return tint;
}

void OnionSkin::setFrames(int frames)
{
    m_frames = std::clamp(frames, 1, kMaxFrames);
}

QVector<int> OnionSkin::neighbours(int frame, int count, int duration)
{
    QVector<int> shown;
    for (int distance = count; distance >= 1; --distance)
        for (const int each : {frame - distance, frame + distance})
            if (each >= 0 && each < duration)
                shown.append(each);
    return shown;
}

void OnionSkin::paint(QPainter* painter, const ZenubProject& project, int scene, int frame) const
{
    if (!m_bShown || scene < 0 || scene >= project.getScenes().size())
        return;
    const QVector<int> shown =
        neighbours(frame, m_frames, project.getScenes().at(scene).getDuration());
    if (shown.isEmpty())
        return;
    // Each frame is drawn whole and tinted whole, so that overlapping shapes of one frame do
    // not show through each other; only the visible part of the stage is drawn.
    const QTransform toDevice = painter->transform();
    const QRectF stage(0, 0, project.getStageWidth(), project.getStageHeight());
    const QPaintDevice* device = painter->device();
    if (!device)
        return;
    const QRect target = toDevice.mapRect(stage).toAlignedRect().intersected(
        QRect(0, 0, device->width(), device->height()));
    if (target.isEmpty())
        return;
    const qreal ratio = device->devicePixelRatioF();
    const FrameRenderer renderer(project);
    painter->save();
    painter->resetTransform();
    for (const int each : shown) {
        QImage picture(target.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        {
            QPainter onto(&picture);
            onto.setTransform(toDevice * QTransform::fromTranslate(-target.x(), -target.y()));
            renderer.paintShapes(&onto, scene, each);
            onto.resetTransform();
            onto.setCompositionMode(QPainter::CompositionMode_SourceAtop);
            onto.setOpacity(0.6);
            onto.fillRect(QRect(QPoint(0, 0), target.size()),
                          each < frame ? beforeTint() : afterTint());
        }
        const int distance = std::abs(each - frame);
        painter->setOpacity(0.45 * (m_frames - distance + 1) / m_frames);
        painter->drawImage(target.topLeft(), picture);
    }
    painter->restore();
}
