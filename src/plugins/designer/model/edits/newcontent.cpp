// SPDX-License-Identifier: MIT
#include "newcontent.h"

#include "nameedits.h"

#include <algorithm>

QString NewContent::baseName(ZenubShape::Type type)
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
    case ZenubShape::Type::Path:
        return NewContent::tr("Path");
    case ZenubShape::Type::Polygon:
        return NewContent::tr("Polygon");
    case ZenubShape::Type::Star:
        return NewContent::tr("Star");
    case ZenubShape::Type::Group:
        return NewContent::tr("Group");
    }
    return QString();
}

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
    const ZenubScene& inScene = project.getScenes().at(scene);
    ZenubShape shape(type,
                     NameEdits::numbered(NameEdits::namesIn(inScene), baseName(type), sameType));
    double width = std::max(20.0, project.getStageWidth() / 4.0);
    double height = type == ZenubShape::Type::Text ? std::max(20.0, project.getStageHeight() / 10.0)
                                                   : std::max(20.0, project.getStageHeight() / 4.0);
    // Polygons and stars look best with their corners on a circle.
    if (type == ZenubShape::Type::Polygon || type == ZenubShape::Type::Star)
        width = height = std::min(width, height);
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
    case ZenubShape::Type::Path: {
        // A gentle wave across the box, outlined only.
        shape.setFillColor(QColor(0, 0, 0, 0));
        ZenubStroke stroke;
        stroke.setPaint(ZenubPaint(QColor(0x2c, 0x3e, 0x50)));
        stroke.setWidth(3);
        stroke.setCap(ZenubStroke::Cap::Round);
        stroke.setJoin(ZenubStroke::Join::Round);
        shape.setStroke(stroke);
        ZenubPath path;
        path.addSubpath({ZenubPathNode(QPointF(0, 1), QPointF(0, 1), QPointF(0.5, 1)),
                         ZenubPathNode(QPointF(1, 0), QPointF(0.5, 0), QPointF(1, 0))},
                        false);
        shape.setPath(path);
        break;
    }
    case ZenubShape::Type::Polygon:
        shape.setFillColor(QColor(0x27, 0xae, 0x60));
        shape.setPoints(6);
        break;
    case ZenubShape::Type::Star:
        shape.setFillColor(QColor(0xf1, 0xc4, 0x0f));
        shape.setPoints(5);
        shape.setInnerRadius(0.5);
        break;
    case ZenubShape::Type::Group:
        // Groups are made of shapes the user picked; see GroupEdits.
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
