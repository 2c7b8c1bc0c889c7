// SPDX-License-Identifier: MIT
#include "lottiegeometry.h"

#include "model/render/shapegeometry.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

bool LottieGeometry::decompose(const QTransform& m, double* degrees, double* sx, double* sy)
{
    const double a = m.m11();
    const double b = m.m12();
    const double c = m.m21();
    const double d = m.m22();
    *sx = std::hypot(a, b);
    const double side = std::hypot(c, d);
    if (*sx <= 0 || side <= 0)
        return false;
    *sy = (a * d - b * c) / *sx;
    *degrees = qRadiansToDegrees(std::atan2(b, a));
    return std::abs(a * c + b * d) <= 1e-6 * *sx * side;
}

QRectF LottieGeometry::centred(const QPointF& centre, const QPointF& size)
{
    return QRectF(centre.x() - size.x() / 2, centre.y() - size.y() / 2, size.x(), size.y());
}

ZenubPath LottieGeometry::pathOf(const QVector<double>& values)
{
    ZenubPath path;
    const int count = int(values.value(1));
    if (count <= 0 || values.size() < 2 + count * 6)
        return path;
    QVector<ZenubPathNode> nodes;
    for (int n = 0; n < count; ++n) {
        const double* v = values.constData() + 2 + n * 6;
        const QPointF point(v[0], v[1]);
        const QPointF in = point + QPointF(v[2], v[3]);
        const QPointF out = point + QPointF(v[4], v[5]);
        // Handles on one line through the point keep it smooth when edited.
        const QPointF a = in - point;
        const QPointF b = out - point;
        const bool smooth = !a.isNull() && !b.isNull() &&
                            std::abs(a.x() * b.y() - a.y() * b.x()) <=
                                1e-6 * std::hypot(a.x(), a.y()) * std::hypot(b.x(), b.y()) &&
                            a.x() * b.x() + a.y() * b.y() < 0;
        nodes.append(ZenubPathNode(point, in, out, smooth));
    }
    path.addSubpath(nodes, values.value(0) != 0);
    return path;
}

ZenubPath LottieGeometry::outlineOf(const LottieItem& item, double frame)
{
    switch (item.kind) {
    case LottieItem::Kind::Rectangle: {
        const QRectF box = centred(item.position.pointAt(frame), item.size.pointAt(frame));
        return ShapeGeometry::rectangle(box.size(), item.roundness.scalarAt(frame))
            .mapped(QTransform(box.width(), 0, 0, box.height(), box.x(), box.y()));
    }
    case LottieItem::Kind::Ellipse: {
        const QRectF box = centred(item.position.pointAt(frame), item.size.pointAt(frame));
        return ShapeGeometry::ellipse().mapped(
            QTransform(box.width(), 0, 0, box.height(), box.x(), box.y()));
    }
    case LottieItem::Kind::PolyStar: {
        const QPointF centre = item.position.pointAt(frame);
        const double radius = item.outerRadius.scalarAt(frame);
        const double inner = radius > 0 ? item.innerRadius.scalarAt(frame) / radius : 0;
        QTransform place;
        place.translate(centre.x(), centre.y());
        place.rotate(item.starRotation.scalarAt(frame));
        place.translate(-radius, -radius);
        place.scale(2 * radius, 2 * radius);
        return ShapeGeometry::polygon(qRound(std::clamp(item.points.scalarAt(frame), 3.0, 1000.0)),
                                      inner, 0, item.star)
            .mapped(place);
    }
    case LottieItem::Kind::Path:
        return pathOf(item.path.valueAt(frame));
    default:
        return ZenubPath();
    }
}

QRectF LottieGeometry::boundsOf(const ZenubPath& path)
{
    QRectF bounds;
    bool first = true;
    for (const ZenubPath::Subpath& subpath : path.getSubpaths())
        for (const ZenubPathNode& node : subpath.nodes)
            for (const QPointF& p : {node.point, node.in, node.out}) {
                bounds = first ? QRectF(p, QSizeF()) : bounds.united(QRectF(p, QSizeF()));
                first = false;
            }
    return bounds;
}
