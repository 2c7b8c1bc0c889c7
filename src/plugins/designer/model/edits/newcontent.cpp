// SPDX-License-Identifier: MIT
#include "newcontent.h"

#include <algorithm>

namespace {

QString shapeBaseName(ZenubShape::Type type)
{
    switch (type) {
    case ZenubShape::Type::Rectangle:
        return NewContent::tr("Rectangle");
    case ZenubShape::Type::Ellipse:
        return NewContent::tr("Ellipse");
    case ZenubShape::Type::Text:
        return NewContent::tr("Text");
    case ZenubShape::Type::Image:
        return NewContent::tr("Image");
    }
    return QString();
}

} // namespace

ZenubShape NewContent::shape(const ZenubProject& project, int scene, ZenubShape::Type type,
                             const QString& text)
{
    int sameType = 1;
    int total = 0;
    for (const ZenubLayer& each : project.getScenes().at(scene).getLayers()) {
        for (const ZenubShape& shape : each.getShapes()) {
            sameType += shape.getType() == type ? 1 : 0;
            ++total;
        }
    }
    ZenubShape shape(type, tr("%1 %2").arg(shapeBaseName(type)).arg(sameType));
    const double width = std::max(20.0, project.getStageWidth() / 4.0);
    const double height = type == ZenubShape::Type::Text
                              ? std::max(20.0, project.getStageHeight() / 10.0)
                              : std::max(20.0, project.getStageHeight() / 4.0);
    switch (type) {
    case ZenubShape::Type::Rectangle:
        shape.setFillColor(QColor(0x3d, 0x9b, 0xe9));
        break;
    case ZenubShape::Type::Ellipse:
        shape.setFillColor(QColor(0xf3, 0x9c, 0x12));
        break;
    case ZenubShape::Type::Text:
        shape.setFillColor(QColor(0x2c, 0x3e, 0x50));
        shape.setText(text.isEmpty() ? tr("Text") : text);
        break;
    case ZenubShape::Type::Image:
        // Images come with their picture; see the image insertion.
        break;
    }
    // New shapes go near the middle of the stage, each one step further down and to the right
    // so that none hides the one before.
    const double step =
        std::max(8.0, std::min(project.getStageWidth(), project.getStageHeight()) / 20.0);
    const double offset = step * (total % 6) - step * 2.5;
    shape.setKeyframe(ZenubKeyframe(0, (project.getStageWidth() - width) / 2 + offset,
                                    (project.getStageHeight() - height) / 2 + offset, width,
                                    height));
    return shape;
}

ZenubShape NewContent::title(const QString& text, int stageWidth, int stageHeight)
{
    ZenubShape title(ZenubShape::Type::Text, tr("Title"));
    title.setText(text);
    title.setFillColor(QColor(0x20, 0x20, 0x20));
    const double width = stageWidth * 0.6;
    const double height = stageHeight * 0.15;
    title.setKeyframe(
        ZenubKeyframe(0, (stageWidth - width) / 2, stageHeight * 0.12, width, height));
    return title;
}

ZenubScene NewContent::scene(const ZenubProject& project)
{
    ZenubScene scene(tr("Scene %1").arg(project.getScenes().size() + 1),
                     2 * std::max(1, project.getFrameRate()));
    scene.addLayer(ZenubLayer(tr("Layer 1")));
    return scene;
}

void NewContent::ensureLayer(ZenubScene& scene)
{
    if (scene.getLayers().isEmpty())
        scene.addLayer(ZenubLayer(tr("Layer 1")));
}

int NewContent::layerFor(const ZenubScene& scene, int layer)
{
    return layer >= 0 && layer < scene.getLayers().size() ? layer : scene.getLayers().size() - 1;
}
