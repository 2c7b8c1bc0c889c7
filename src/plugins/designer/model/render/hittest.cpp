// SPDX-License-Identifier: MIT
#include "hittest.h"

#include "model/project/zenubshape.h"
#include "shapegeometry.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <limits>

namespace {

double distanceToSegment(const QPointF& point, const QPointF& a, const QPointF& b)
{
    const QPointF ab = b - a;
    const double length = QPointF::dotProduct(ab, ab);
    const double t =
        length > 0 ? std::clamp(QPointF::dotProduct(point - a, ab) / length, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + ab * t;
    return std::hypot(point.x() - nearest.x(), point.y() - nearest.y());
}

} // namespace

double HitTest::distanceToOutline(const QPainterPath& path, const QPointF& point)
{
    double best = std::numeric_limits<double>::infinity();
    // Open subpaths come back open: the side the fill closes is no outline.
    for (const QPolygonF& polygon : path.toSubpathPolygons()) {
        if (polygon.size() == 1)
            best = std::min(best, distanceToSegment(point, polygon.first(), polygon.first()));
        for (int i = 0; i + 1 < polygon.size(); ++i)
            best = std::min(best, distanceToSegment(point, polygon.at(i), polygon.at(i + 1)));
    }
    return best;
}

bool HitTest::hits(const ZenubShape& shape, double frame, const QPointF& point, double tolerance)
{
    ZenubShapeState state;
    if (!shape.stateAt(frame, &state))
        return false;
    bool invertible = false;
    const QPointF local = state.transform().inverted(&invertible).map(point);
    if (!invertible)
        return false;
    const QRectF box = state.rect();
    switch (shape.getType()) {
    case ZenubShape::Type::Rectangle:
    case ZenubShape::Type::Ellipse:
    case ZenubShape::Type::Text:
    case ZenubShape::Type::Image:
        return box.normalized()
            .adjusted(-tolerance, -tolerance, tolerance, tolerance)
            .contains(local);
    case ZenubShape::Type::Path:
    case ZenubShape::Type::Polygon:
    case ZenubShape::Type::Star: {
        const QPainterPath outline = ShapeGeometry::painterPath(shape, state);
        if (state.fill.isVisible() && outline.contains(local))
            return true;
        const double reach =
            (state.stroke.isVisible() ? state.stroke.getWidth() / 2 : 0) + tolerance;
        return distanceToOutline(outline, local) <= reach;
    }
    case ZenubShape::Type::Group: {
        const QTransform content = ShapeGeometry::contentTransform(shape, box);
        const QPointF inside = content.inverted(&invertible).map(local);
        if (!invertible)
            return false;
        // The tolerance in the members' coordinates.
        const double scale = std::sqrt(std::abs(content.determinant()));
        const double reach = scale > 0 ? tolerance / scale : tolerance;
        for (const ZenubShape& member : shape.getMembers())
            if (hits(member, frame, inside, reach))
                return true;
        return false;
    }
    }
    return false;
}
