// SPDX-License-Identifier: MIT
#include "svggradients.h"

#include "model/io/zenub/zenubjsonreader.h"
#include "svgdocument.h"
#include "svgstyle.h"
#include "svgtransform.h"

#include <algorithm>
#include <cmath>

namespace {

bool isGradient(const SvgDocument::Element& element)
{
    return element.name == QLatin1String("linearGradient") ||
           element.name == QLatin1String("radialGradient");
}

QString reference(const SvgDocument::Element& element)
{
    const QString href = element.attribute(QStringLiteral("href")).trimmed();
    return href.startsWith(QLatin1Char('#')) ? href.mid(1) : QString();
}

// A point relative to \a box; false where the box has no extent to be relative to.
bool relative(const QPointF& point, const QRectF& box, QPointF* result)
{
    if (!(box.width() > 0) || !(box.height() > 0))
        return false;
    *result = QPointF((point.x() - box.x()) / box.width(), (point.y() - box.y()) / box.height());
    const double limit = ZenubJsonReader::coordinateLimit();
    return std::abs(result->x()) <= limit && std::abs(result->y()) <= limit;
}

} // namespace

int SvgGradients::lookUp(int element, const QString& attribute, bool sameKindOnly) const
{
    const QString kind = m_document.element(element).name;
    for (int depth = 0; element >= 0 && depth <= maximumReferences(); ++depth) {
        const SvgDocument::Element& gradient = m_document.element(element);
        if (!isGradient(gradient))
            return -1;
        if (gradient.has(attribute) && (!sameKindOnly || gradient.name == kind))
            return element;
        element = m_document.byId(reference(gradient));
    }
    return -1;
}

bool SvgGradients::coordinate(int element, const char* name, const char* fallback, bool boxUnits,
                              double viewport, double* value) const
{
    const QString key = QLatin1String(name);
    const int from = lookUp(element, key, true);
    QString text =
        from >= 0 ? m_document.element(from).attribute(key).trimmed() : QLatin1String(fallback);
    if (text.endsWith(QLatin1Char('%'))) {
        text.chop(1);
        bool ok = false;
        *value = text.toDouble(&ok) / 100 * (boxUnits ? 1 : viewport);
        return ok && std::isfinite(*value) && (boxUnits || viewport > 0);
    }
    return SvgStyle::length(text, value);
}

bool SvgGradients::stops(int element, QVector<ZenubGradientStop>* stops) const
{
    // The first gradient in the chain with stops of its own gives them all.
    for (int depth = 0; element >= 0 && depth <= maximumReferences(); ++depth) {
        const SvgDocument::Element& gradient = m_document.element(element);
        if (!isGradient(gradient))
            return false;
        double last = 0;
        for (const int child : gradient.children) {
            const SvgDocument::Element& stop = m_document.element(child);
            if (stop.name != QLatin1String("stop"))
                return false;
            if (stops->size() >= ZenubPaint::maximumStops())
                return false;
            const SvgStyle style(SvgStyle(), stop);
            QColor color;
            if (!SvgStyle::color(style.value("stop-color", "black"),
                                 SvgStyle::fraction(style.value("stop-opacity", "1")),
                                 style.value("color"), &color))
                return false;
            // An offset before an earlier one is taken as that one; none is 0.
            const QString offset = stop.attribute(QStringLiteral("offset"));
            if (!offset.trimmed().isEmpty())
                last = std::max(last, SvgStyle::fraction(offset));
            stops->append({last, color});
        }
        if (!stops->isEmpty())
            return true;
        element = m_document.byId(reference(gradient));
    }
    return true;
}

bool SvgGradients::paint(const QString& id, const Target& target, double opacity,
                         ZenubPaint* paint) const
{
    const int element = m_document.byId(id);
    if (element < 0 || !isGradient(m_document.element(element)))
        return false;
    const bool linear = m_document.element(element).name == QLatin1String("linearGradient");
    const auto inherited = [&](const char* name, const char* fallback) {
        const int from = lookUp(element, QLatin1String(name), false);
        return from >= 0 ? m_document.element(from).attribute(QLatin1String(name)).trimmed()
                         : QLatin1String(fallback);
    };
    if (inherited("spreadMethod", "pad") != QLatin1String("pad"))
        return false;
    const QString units = inherited("gradientUnits", "objectBoundingBox");
    const bool boxUnits = units == QLatin1String("objectBoundingBox");
    if (!boxUnits && units != QLatin1String("userSpaceOnUse"))
        return false;
    QTransform gradientTransform;
    if (!SvgTransform::parse(inherited("gradientTransform", ""), &gradientTransform))
        return false;
    QVector<ZenubGradientStop> stops;
    if (!this->stops(element, &stops))
        return false;
    // Without stops nothing is painted; with one, its colour.
    if (stops.size() < 2) {
        *paint = ZenubPaint(stops.isEmpty() ? QColor(0, 0, 0, 0) : stops.constFirst().color);
        paint->setOpacity(opacity);
        return true;
    }
    if (boxUnits && (!(target.bounds.width() > 0) || !(target.bounds.height() > 0)))
        return false;
    const QTransform toBounds =
        boxUnits ? QTransform(target.bounds.width(), 0, 0, target.bounds.height(),
                              target.bounds.x(), target.bounds.y())
                 : QTransform();
    const QTransform map = gradientTransform * toBounds * target.toBox;
    const double determinant = map.m11() * map.m22() - map.m12() * map.m21();
    if (map.type() == QTransform::TxProject || !(std::abs(determinant) > 0))
        return false;
    const double width = m_viewport.width();
    const double height = m_viewport.height();
    const double diagonal = std::sqrt((width * width + height * height) / 2);
    QPointF start;
    QPointF end;
    if (linear) {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (!coordinate(element, "x1", "0%", boxUnits, width, &x1) ||
            !coordinate(element, "y1", "0%", boxUnits, height, &y1) ||
            !coordinate(element, "x2", "100%", boxUnits, width, &x2) ||
            !coordinate(element, "y2", "0%", boxUnits, height, &y2))
            return false;
        const QPointF along(x2 - x1, y2 - y1);
        const double squared = QPointF::dotProduct(along, along);
        if (!(squared > 0)) {
            // Both ends on one point: the last colour everywhere.
            *paint = ZenubPaint(stops.constLast().color);
            paint->setOpacity(opacity);
            return true;
        }
        // Equal colours lie on parallel lines under any transform: the mapped gradient runs
        // from the mapped start along the normal of those lines, as far as a whole turn of
        // colours reaches there.
        const QPointF normal(
            (map.m22() * along.x() - map.m12() * along.y()) / determinant / squared,
            (-map.m21() * along.x() + map.m11() * along.y()) / determinant / squared);
        const double normalSquared = QPointF::dotProduct(normal, normal);
        start = map.map(QPointF(x1, y1));
        end = start + normal / normalSquared;
    } else {
        double cx = 0, cy = 0, r = 0, fx = 0, fy = 0, fr = 0;
        if (!coordinate(element, "cx", "50%", boxUnits, width, &cx) ||
            !coordinate(element, "cy", "50%", boxUnits, height, &cy) ||
            !coordinate(element, "r", "50%", boxUnits, diagonal, &r) ||
            !coordinate(element, "fr", "0%", boxUnits, diagonal, &fr) || r < 0)
            return false;
        // The focus is the centre unless a gradient in the chain places it.
        fx = cx;
        fy = cy;
        if ((lookUp(element, QStringLiteral("fx"), true) >= 0 &&
             !coordinate(element, "fx", "", boxUnits, width, &fx)) ||
            (lookUp(element, QStringLiteral("fy"), true) >= 0 &&
             !coordinate(element, "fy", "", boxUnits, height, &fy)))
            return false;
        // A focus off the centre, or circles that turn into ellipses, a paint cannot show.
        const double tolerance = 1e-9 * std::max(1.0, r);
        if (fr != 0 || std::abs(fx - cx) > tolerance || std::abs(fy - cy) > tolerance ||
            !SvgTransform::uniform(map))
            return false;
        if (r == 0) {
            *paint = ZenubPaint(stops.constLast().color);
            paint->setOpacity(opacity);
            return true;
        }
        start = map.map(QPointF(cx, cy));
        end = map.map(QPointF(cx + r, cy));
    }
    QPointF from;
    QPointF to;
    if (!relative(start, target.box, &from) || !relative(end, target.box, &to))
        return false;
    *paint = linear ? ZenubPaint::linear(stops, from, to) : ZenubPaint::radial(stops, from, to);
    paint->setOpacity(opacity);
    return true;
}
