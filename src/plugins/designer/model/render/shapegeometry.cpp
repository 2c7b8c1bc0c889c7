// SPDX-License-Identifier: MIT
#include "shapegeometry.h"

#include "model/edits/shaperef.h"
#include "model/project/zenubscene.h"

#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

QPointF lerp(const QPointF& a, const QPointF& b, double t)
{
    return a + (b - a) * t;
}

} // namespace

ZenubPath ShapeGeometry::polygon(int points, double innerRadius, double roundness, bool star)
{
    const int count = std::max(3, points) * (star ? 2 : 1);
    QVector<QPointF> corners;
    corners.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double angle = -M_PI / 2 + 2 * M_PI * i / count;
        const double radius = star && i % 2 ? innerRadius : 1.0;
        corners.append(
            QPointF(0.5 + 0.5 * radius * std::cos(angle), 0.5 + 0.5 * radius * std::sin(angle)));
    }
    const double cut = std::clamp(roundness, 0.0, 1.0) / 2;
    QVector<ZenubPathNode> nodes;
    if (cut <= 0) {
        for (const QPointF& corner : qAsConst(corners))
            nodes.append(ZenubPathNode(corner));
    } else {
        for (int i = 0; i < count; ++i) {
            const QPointF& corner = corners.at(i);
            const QPointF before = lerp(corner, corners.at((i + count - 1) % count), cut);
            const QPointF after = lerp(corner, corners.at((i + 1) % count), cut);
            const QPointF outHandle = lerp(before, corner, kappa());
            const QPointF inHandle = lerp(after, corner, kappa());
            // At full roundness the cuts of neighbouring corners meet: one smooth node there.
            if (cut >= 0.5 && !nodes.isEmpty()) {
                nodes.last().out = outHandle;
                nodes.last().smooth = true;
            } else {
                nodes.append(ZenubPathNode(before, before, outHandle));
            }
            nodes.append(ZenubPathNode(after, inHandle, after));
        }
        if (cut >= 0.5) {
            // The last node is where the first corner's curve starts.
            nodes.first().in = nodes.last().in;
            nodes.first().smooth = true;
            nodes.removeLast();
        }
    }
    ZenubPath path;
    path.addSubpath(nodes, true);
    return path;
}

ZenubPath ShapeGeometry::ellipse()
{
    const double k = kappa() / 2;
    ZenubPath path;
    path.addSubpath({ZenubPathNode({0.5, 0}, {0.5 - k, 0}, {0.5 + k, 0}, true),
                     ZenubPathNode({1, 0.5}, {1, 0.5 - k}, {1, 0.5 + k}, true),
                     ZenubPathNode({0.5, 1}, {0.5 + k, 1}, {0.5 - k, 1}, true),
                     ZenubPathNode({0, 0.5}, {0, 0.5 + k}, {0, 0.5 - k}, true)},
                    true);
    return path;
}

ZenubPath ShapeGeometry::rectangle(const QSizeF& size, double cornerRadius)
{
    const double radius = std::clamp(cornerRadius, 0.0, std::min(size.width(), size.height()) / 2);
    ZenubPath path;
    if (radius <= 0 || size.width() <= 0 || size.height() <= 0) {
        path.addSubpath({ZenubPathNode({0, 0}), ZenubPathNode({1, 0}), ZenubPathNode({1, 1}),
                         ZenubPathNode({0, 1})},
                        true);
        return path;
    }
    const double rx = radius / size.width();
    const double ry = radius / size.height();
    const double kx = rx * kappa();
    const double ky = ry * kappa();
    path.addSubpath({ZenubPathNode({rx, 0}, {rx - kx, 0}, {rx, 0}),
                     ZenubPathNode({1 - rx, 0}, {1 - rx, 0}, {1 - rx + kx, 0}),
                     ZenubPathNode({1, ry}, {1, ry - ky}, {1, ry}),
                     ZenubPathNode({1, 1 - ry}, {1, 1 - ry}, {1, 1 - ry + ky}),
                     ZenubPathNode({1 - rx, 1}, {1 - rx + kx, 1}, {1 - rx, 1}),
                     ZenubPathNode({rx, 1}, {rx, 1}, {rx - kx, 1}),
                     ZenubPathNode({0, 1 - ry}, {0, 1 - ry + ky}, {0, 1 - ry}),
                     ZenubPathNode({0, ry}, {0, ry}, {0, ry - ky})},
                    true);
    return path;
}

ZenubPath ShapeGeometry::outline(const ZenubShape& shape, const ZenubShapeState& state)
{
    switch (shape.getType()) {
    case ZenubShape::Type::Rectangle:
        return rectangle(state.rect().size(), state.cornerRadius);
    case ZenubShape::Type::Ellipse:
        return ellipse();
    case ZenubShape::Type::Path:
        return state.path;
    case ZenubShape::Type::Polygon:
        return polygon(state.points, 1, state.roundness, false);
    case ZenubShape::Type::Star:
        return polygon(state.points, state.innerRadius, state.roundness, true);
    case ZenubShape::Type::Text:
    case ZenubShape::Type::Image:
    case ZenubShape::Type::Group:
        break;
    }
    return ZenubPath();
}

QPainterPath ShapeGeometry::painterPath(const ZenubShape& shape, const ZenubShapeState& state)
{
    return outline(shape, state).toPainterPath(state.rect());
}

QTransform ShapeGeometry::contentTransform(const ZenubShape& group, const QRectF& box)
{
    const QSizeF content = group.getContentSize();
    const double sx = content.width() > 0 ? box.width() / content.width() : 1;
    const double sy = content.height() > 0 ? box.height() / content.height() : 1;
    return QTransform(sx, 0, 0, sy, box.x(), box.y());
}

QTransform ShapeGeometry::transform(const ZenubShape& shape, const ZenubShapeState& state)
{
    if (shape.getType() == ZenubShape::Type::Group)
        return contentTransform(shape, state.rect()) * state.transform();
    return state.transform();
}

QRectF ShapeGeometry::bounds(const ZenubShape& shape, double frame)
{
    ZenubShapeState state;
    if (!shape.stateAt(frame, &state))
        return QRectF();
    if (shape.getType() != ZenubShape::Type::Group || shape.getMembers().isEmpty())
        return state.transform().mapRect(state.rect());
    QRectF content;
    for (const ZenubShape& member : shape.getMembers())
        content = content.united(bounds(member, frame));
    return transform(shape, state).mapRect(content);
}

QTransform ShapeGeometry::parentToStage(const ZenubScene& scene, const ShapeRef& ref, double frame)
{
    QTransform toStage;
    if (ref.layer < 0 || ref.layer >= scene.getLayers().size())
        return toStage;
    const QVector<ZenubShape>& shapes = scene.getLayers().at(ref.layer).getShapes();
    if (ref.shape < 0 || ref.shape >= shapes.size())
        return toStage;
    const ZenubShape* shape = &shapes.at(ref.shape);
    for (const int index : ref.members) {
        ZenubShapeState state;
        if (shape->getType() != ZenubShape::Type::Group || index < 0 ||
            index >= shape->getMembers().size() || !shape->stateAt(frame, &state))
            break;
        toStage = transform(*shape, state) * toStage;
        shape = &shape->getMembers().at(index);
    }
    return toStage;
}
