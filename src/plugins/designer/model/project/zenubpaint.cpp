// SPDX-License-Identifier: MIT
#include "zenubpaint.h"

#include "model/io/zenub/zenubjsonkeys.h"
#include "model/io/zenub/zenubjsonreader.h"
#include "model/io/zenub/zenubjsonwriter.h"

#include <QJsonArray>

#include <algorithm>

ZenubPaint::ZenubPaint(const QColor& color)
    : m_color(color)
{}

ZenubPaint ZenubPaint::linear(const QVector<ZenubGradientStop>& stops, const QPointF& start,
                              const QPointF& end)
{
    ZenubPaint paint;
    paint.m_type = Type::LinearGradient;
    paint.setStops(stops);
    paint.m_start = start;
    paint.m_end = end;
    if (!stops.isEmpty())
        paint.m_color = stops.constFirst().color;
    return paint;
}

ZenubPaint ZenubPaint::radial(const QVector<ZenubGradientStop>& stops, const QPointF& centre,
                              const QPointF& edge)
{
    ZenubPaint paint = linear(stops, centre, edge);
    paint.m_type = Type::RadialGradient;
    return paint;
}

void ZenubPaint::setStops(const QVector<ZenubGradientStop>& stops)
{
    m_stops = stops;
    std::stable_sort(
        m_stops.begin(), m_stops.end(),
        [](const ZenubGradientStop& a, const ZenubGradientStop& b) { return a.offset < b.offset; });
}

bool ZenubPaint::isVisible() const
{
    if (m_opacity <= 0)
        return false;
    if (m_type == Type::Solid)
        return m_color.alpha() > 0;
    return std::any_of(m_stops.cbegin(), m_stops.cend(),
                       [](const ZenubGradientStop& stop) { return stop.color.alpha() > 0; });
}

QString ZenubPaint::typeName(Type type)
{
    switch (type) {
    case Type::Solid:
        return QStringLiteral("solid");
    case Type::LinearGradient:
        return QStringLiteral("linear");
    case Type::RadialGradient:
        return QStringLiteral("radial");
    }
    return QString();
}

void ZenubPaint::write(ZenubJsonWriter& writer) const
{
    if (isPlainColor()) {
        writer.value(ZenubJsonReader::colorName(m_color));
        return;
    }
    writer.beginObject();
    writer.member(QLatin1String("color"), ZenubJsonReader::colorName(m_color));
    if (isGradient()) {
        writer.member(QLatin1String("endX"), m_end.x());
        writer.member(QLatin1String("endY"), m_end.y());
    }
    if (m_opacity != 1.0)
        writer.member(QLatin1String("opacity"), m_opacity);
    if (isGradient()) {
        writer.member(QLatin1String("startX"), m_start.x());
        writer.member(QLatin1String("startY"), m_start.y());
        writer.key(QLatin1String("stops"));
        writer.beginArray();
        for (const ZenubGradientStop& stop : m_stops) {
            writer.beginObject();
            writer.member(QLatin1String("color"), ZenubJsonReader::colorName(stop.color));
            writer.member(QLatin1String("offset"), stop.offset);
            writer.endObject();
        }
        writer.endArray();
    }
    writer.member(QLatin1String("type"), typeName(m_type));
    writer.endObject();
}

ZenubPaint ZenubPaint::read(const QJsonValue& value, ZenubJsonReader& reader,
                            const ZenubJsonPath& path, QLatin1String key,
                            const ZenubPaint& fallback)
{
    if (!value.isObject()) {
        ZenubPaint paint = fallback;
        paint.m_color = reader.readColor(value, path, key, fallback.m_color);
        return paint;
    }
    enum { Type, Color, Opacity, StartX, StartY, EndX, EndY, Stops };
    static const ZenubJsonKeys keys{QLatin1String("type"),    QLatin1String("color"),
                                    QLatin1String("opacity"), QLatin1String("startX"),
                                    QLatin1String("startY"),  QLatin1String("endX"),
                                    QLatin1String("endY"),    QLatin1String("stops")};
    const ZenubJsonPath own(path, key);
    const ZenubJsonKeys::Found values = keys.find(value.toObject());
    const ZenubPaint defaults;
    ZenubPaint paint;
    static const QStringList types{typeName(Type::Solid), typeName(Type::LinearGradient),
                                   typeName(Type::RadialGradient)};
    const QString type =
        reader.readChoice(values(Type), own, keys[Type], types, typeName(Type::Solid));
    paint.m_type = ZenubPaint::Type(types.indexOf(type));
    paint.m_color = reader.readColor(values(Color), own, keys[Color], fallback.m_color);
    paint.m_opacity = reader.readNumber(values(Opacity), own, keys[Opacity], 1, 0, 1);
    // End points may lie well outside the box, as a gradient across a whole stage does.
    const double limit = ZenubJsonReader::coordinateLimit();
    paint.m_start = QPointF(
        reader.readNumber(values(StartX), own, keys[StartX], defaults.m_start.x(), -limit, limit),
        reader.readNumber(values(StartY), own, keys[StartY], defaults.m_start.y(), -limit, limit));
    paint.m_end = QPointF(
        reader.readNumber(values(EndX), own, keys[EndX], defaults.m_end.x(), -limit, limit),
        reader.readNumber(values(EndY), own, keys[EndY], defaults.m_end.y(), -limit, limit));
    const QJsonArray stops = reader.readArray(values(Stops), own, keys[Stops]);
    const ZenubJsonPath stopsPath(own, keys[Stops]);
    if (stops.size() > maximumStops()) {
        reader.fail(ZenubJsonReader::tr("The field \"%1\" holds more than %2 entries.")
                        .arg(stopsPath.toString())
                        .arg(maximumStops()));
        return paint;
    }
    enum { StopOffset, StopColor };
    static const ZenubJsonKeys stopKeys{QLatin1String("offset"), QLatin1String("color")};
    QVector<ZenubGradientStop> read;
    for (int i = 0; i < stops.size() && !reader.hasError(); ++i) {
        const ZenubJsonPath stopPath(stopsPath, i);
        const ZenubJsonKeys::Found stop = stopKeys.find(reader.objectAt(stops, stopsPath, i));
        read.append(
            {reader.readNumber(stop(StopOffset), stopPath, stopKeys[StopOffset], 0, 0, 1),
             reader.readColor(stop(StopColor), stopPath, stopKeys[StopColor], QColor(Qt::black))});
    }
    paint.setStops(read);
    return paint;
}

bool ZenubPaint::operator==(const ZenubPaint& other) const
{
    return m_type == other.m_type && m_color == other.m_color && m_stops == other.m_stops &&
           m_start == other.m_start && m_end == other.m_end && m_opacity == other.m_opacity;
}
