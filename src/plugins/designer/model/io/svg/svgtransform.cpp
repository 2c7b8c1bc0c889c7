// SPDX-License-Identifier: MIT
#include "svgtransform.h"

#include <QRegularExpression>
#include <QVector>
#include <QtMath>

#include <cmath>

namespace {

// Within this part of the lengths, rounding in a written matrix is no shear or uneven scale.
const double kTolerance = 1e-6;

} // namespace

namespace SvgTransform {

bool parse(const QString& text, QTransform* transform)
{
    static const QRegularExpression item(
        QStringLiteral("\\G[\\s,]*(matrix|translate|scale|rotate|skewX|skewY)\\s*\\(([^()]*)\\)"));
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    QTransform total;
    int at = 0;
    QRegularExpressionMatch match;
    while ((match = item.match(text, at)).hasMatch()) {
        at = match.capturedEnd();
        QVector<double> values;
        for (const QString& part : match.captured(2).split(separators, Qt::SkipEmptyParts)) {
            bool ok = false;
            values.append(part.toDouble(&ok));
            if (!ok || !std::isfinite(values.constLast()))
                return false;
        }
        const QString name = match.captured(1);
        const int count = values.size();
        QTransform one;
        if (name == QLatin1String("matrix") && count == 6) {
            one = QTransform(values[0], values[1], values[2], values[3], values[4], values[5]);
        } else if (name == QLatin1String("translate") && (count == 1 || count == 2)) {
            one.translate(values[0], count == 2 ? values[1] : 0);
        } else if (name == QLatin1String("scale") && (count == 1 || count == 2)) {
            one.scale(values[0], count == 2 ? values[1] : values[0]);
        } else if (name == QLatin1String("rotate") && (count == 1 || count == 3)) {
            if (count == 3)
                one.translate(values[1], values[2]);
            one.rotate(values[0]);
            if (count == 3)
                one.translate(-values[1], -values[2]);
        } else if (name == QLatin1String("skewX") && count == 1) {
            one = QTransform(1, 0, std::tan(qDegreesToRadians(values[0])), 1, 0, 0);
        } else if (name == QLatin1String("skewY") && count == 1) {
            one = QTransform(1, std::tan(qDegreesToRadians(values[0])), 0, 1, 0, 0);
        } else {
            return false;
        }
        // The list's last transform applies first.
        total = one * total;
    }
    if (!text.midRef(at).trimmed().isEmpty())
        return false;
    *transform = total;
    return true;
}

bool boxed(const QTransform& transform, Boxed* boxed)
{
    if (transform.type() == QTransform::TxProject)
        return false;
    const double ux = transform.m11();
    const double uy = transform.m12();
    const double vx = transform.m21();
    const double vy = transform.m22();
    const double u = std::hypot(ux, uy);
    const double v = std::hypot(vx, vy);
    const double determinant = ux * vy - uy * vx;
    if (!(u > 0) || !(v > 0) || !(determinant > 0) ||
        std::abs(ux * vx + uy * vy) > kTolerance * u * v)
        return false;
    boxed->scaleX = u;
    boxed->scaleY = v;
    boxed->degrees = qRadiansToDegrees(std::atan2(uy, ux));
    return std::isfinite(boxed->degrees);
}

bool uniform(const QTransform& transform)
{
    if (transform.type() == QTransform::TxProject)
        return false;
    const double u = std::hypot(transform.m11(), transform.m12());
    const double v = std::hypot(transform.m21(), transform.m22());
    return u > 0 && std::abs(u - v) <= kTolerance * u &&
           std::abs(transform.m11() * transform.m21() + transform.m12() * transform.m22()) <=
               kTolerance * u * v;
}

double scale(const QTransform& transform)
{
    return std::sqrt(std::abs(transform.determinant()));
}

QRectF boxOf(const QRectF& rect, const QTransform& transform, const Boxed& boxed)
{
    const QPointF centre = transform.map(rect.center());
    const QSizeF size(rect.width() * boxed.scaleX, rect.height() * boxed.scaleY);
    return QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size);
}

} // namespace SvgTransform
