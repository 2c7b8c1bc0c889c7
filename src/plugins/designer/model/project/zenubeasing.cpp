// SPDX-License-Identifier: MIT
#include "zenubeasing.h"

#include "model/io/zenub/zenubjsonkeys.h"
#include "model/io/zenub/zenubjsonreader.h"
#include "model/io/zenub/zenubjsonwriter.h"

#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

struct Curve
{
    double x1, y1, x2, y2;
};

Curve namedCurve(ZenubEasing::Type type)
{
    switch (type) {
    case ZenubEasing::Type::EaseIn:
        return {0.42, 0, 1, 1};
    case ZenubEasing::Type::EaseOut:
        return {0, 0, 0.58, 1};
    case ZenubEasing::Type::EaseInOut:
        return {0.42, 0, 0.58, 1};
    case ZenubEasing::Type::Linear:
    case ZenubEasing::Type::CubicBezier:
    case ZenubEasing::Type::Hold:
        break;
    }
    return {0, 0, 1, 1};
}

// One coordinate of the curve from (0,0) through the control points to (1,1).
double bezierAt(double a, double b, double s)
{
    const double r = 1 - s;
    return 3 * r * r * s * a + 3 * r * s * s * b + s * s * s;
}

// The player repeats these steps in the same order, so both give the same numbers: bisection
// on x (monotonic, since the x control values lie in 0..1) to a fixed depth.
double solve(const Curve& curve, double t)
{
    double low = 0;
    double high = 1;
    for (int step = 0; step < 40; ++step) {
        const double middle = (low + high) / 2;
        if (bezierAt(curve.x1, curve.x2, middle) < t)
            low = middle;
        else
            high = middle;
    }
    return bezierAt(curve.y1, curve.y2, (low + high) / 2);
}

} // namespace

ZenubEasing::ZenubEasing(Type type)
    : m_type(type)
{
    const Curve curve = namedCurve(type);
    m_x1 = curve.x1;
    m_y1 = curve.y1;
    m_x2 = curve.x2;
    m_y2 = curve.y2;
}

ZenubEasing ZenubEasing::bezier(double x1, double y1, double x2, double y2)
{
    ZenubEasing easing(Type::CubicBezier);
    easing.m_x1 = std::clamp(x1, 0.0, 1.0);
    easing.m_y1 = y1;
    easing.m_x2 = std::clamp(x2, 0.0, 1.0);
    easing.m_y2 = y2;
    return easing;
}

double ZenubEasing::valueFor(double t) const
{
    if (t <= 0)
        return 0;
    if (t >= 1)
        return 1;
    if (m_type == Type::Linear)
        return t;
    if (m_type == Type::Hold)
        return 0;
    return solve({m_x1, m_y1, m_x2, m_y2}, t);
}

QString ZenubEasing::typeName(Type type)
{
    switch (type) {
    case Type::Linear:
        return QStringLiteral("linear");
    case Type::EaseIn:
        return QStringLiteral("ease-in");
    case Type::EaseOut:
        return QStringLiteral("ease-out");
    case Type::EaseInOut:
        return QStringLiteral("ease-in-out");
    case Type::CubicBezier:
        return QStringLiteral("cubic-bezier");
    case Type::Hold:
        return QStringLiteral("hold");
    }
    return QString();
}

bool ZenubEasing::typeFromName(const QString& name, Type* type)
{
    for (const Type candidate : {Type::Linear, Type::EaseIn, Type::EaseOut, Type::EaseInOut,
                                 Type::CubicBezier, Type::Hold}) {
        if (typeName(candidate) == name) {
            *type = candidate;
            return true;
        }
    }
    return false;
}

QJsonValue ZenubEasing::toJson() const
{
    if (m_type != Type::CubicBezier)
        return typeName(m_type);
    return QJsonObject{{QStringLiteral("x1"), m_x1},
                       {QStringLiteral("y1"), m_y1},
                       {QStringLiteral("x2"), m_x2},
                       {QStringLiteral("y2"), m_y2}};
}

void ZenubEasing::write(ZenubJsonWriter& writer) const
{
    if (m_type != Type::CubicBezier) {
        writer.value(typeName(m_type));
        return;
    }
    writer.beginObject();
    writer.member(QLatin1String("x1"), m_x1);
    writer.member(QLatin1String("x2"), m_x2);
    writer.member(QLatin1String("y1"), m_y1);
    writer.member(QLatin1String("y2"), m_y2);
    writer.endObject();
}

ZenubEasing ZenubEasing::fromJson(const QJsonValue& value, ZenubJsonReader& reader,
                                  const ZenubJsonPath& path)
{
    if (value.isObject()) {
        enum { X1, Y1, X2, Y2 };
        static const ZenubJsonKeys keys{QLatin1String("x1"), QLatin1String("y1"),
                                        QLatin1String("x2"), QLatin1String("y2")};
        const ZenubJsonKeys::Found values = keys.find(value.toObject());
        // Control values far outside the unit square only make the shape fly off the stage.
        const double limit = 100;
        return bezier(reader.readNumber(values(X1), path, keys[X1], 0, 0, 1),
                      reader.readNumber(values(Y1), path, keys[Y1], 0, -limit, limit),
                      reader.readNumber(values(X2), path, keys[X2], 1, 0, 1),
                      reader.readNumber(values(Y2), path, keys[Y2], 1, -limit, limit));
    }
    Type type = Type::Linear;
    if (!value.isUndefined() &&
        (!typeFromName(value.toString(), &type) || type == Type::CubicBezier)) {
        reader.fail(ZenubJsonReader::tr("The field \"%1\" must be one of: %2.")
                        .arg(path.toString(),
                             QStringLiteral("linear, ease-in, ease-out, ease-in-out, hold")));
    }
    return ZenubEasing(type);
}

bool ZenubEasing::operator==(const ZenubEasing& other) const
{
    return m_type == other.m_type && m_x1 == other.m_x1 && m_y1 == other.m_y1 &&
           m_x2 == other.m_x2 && m_y2 == other.m_y2;
}
