// SPDX-License-Identifier: MIT
#include "zenubkeyframe.h"

#include "model/io/zenub/zenubjsonkeys.h"
#include "model/io/zenub/zenubjsonreader.h"
#include "model/io/zenub/zenubjsonwriter.h"

#include <QtGlobal>

ZenubKeyframe::ZenubKeyframe(int frame, double x, double y, double width, double height)
    : m_frame(frame)
    , m_x(x)
    , m_y(y)
    , m_width(width)
    , m_height(height)
{}

ZenubKeyframe ZenubKeyframe::interpolate(const ZenubKeyframe& from, const ZenubKeyframe& to,
                                         double t)
{
    const double eased = from.m_easing.valueFor(t);
    const auto mix = [eased](double a, double b) {
        return a + (b - a) * eased;
    };
    ZenubKeyframe result;
    result.m_frame = qRound(from.m_frame + (to.m_frame - from.m_frame) * t);
    result.m_easing = from.m_easing;
    result.m_x = mix(from.m_x, to.m_x);
    result.m_y = mix(from.m_y, to.m_y);
    result.m_width = mix(from.m_width, to.m_width);
    result.m_height = mix(from.m_height, to.m_height);
    result.m_rotation = mix(from.m_rotation, to.m_rotation);
    result.m_opacity = mix(from.m_opacity, to.m_opacity);
    return result;
}

QJsonObject ZenubKeyframe::toJson() const
{
    QJsonObject object{{QStringLiteral("frame"), m_frame},
                       {QStringLiteral("x"), m_x},
                       {QStringLiteral("y"), m_y},
                       {QStringLiteral("width"), m_width},
                       {QStringLiteral("height"), m_height},
                       {QStringLiteral("rotation"), m_rotation},
                       {QStringLiteral("opacity"), m_opacity}};
    // Linear is the default, so files without easing stay as they were.
    if (m_easing != ZenubEasing())
        object.insert(QStringLiteral("easing"), m_easing.toJson());
    return object;
}

void ZenubKeyframe::write(ZenubJsonWriter& writer) const
{
    writer.beginObject();
    if (m_easing != ZenubEasing()) {
        writer.key(QLatin1String("easing"));
        m_easing.write(writer);
    }
    writer.member(QLatin1String("frame"), m_frame);
    writer.member(QLatin1String("height"), m_height);
    writer.member(QLatin1String("opacity"), m_opacity);
    writer.member(QLatin1String("rotation"), m_rotation);
    writer.member(QLatin1String("width"), m_width);
    writer.member(QLatin1String("x"), m_x);
    writer.member(QLatin1String("y"), m_y);
    writer.endObject();
}

ZenubKeyframe ZenubKeyframe::fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                      const ZenubJsonPath& path)
{
    enum { Frame, X, Y, Width, Height, Rotation, Opacity, Easing };
    static const ZenubJsonKeys keys{QLatin1String("frame"),   QLatin1String("x"),
                                    QLatin1String("y"),       QLatin1String("width"),
                                    QLatin1String("height"),  QLatin1String("rotation"),
                                    QLatin1String("opacity"), QLatin1String("easing")};
    const ZenubJsonKeys::Found values = keys.find(object);

    const ZenubKeyframe defaults;
    const double limit = ZenubJsonReader::coordinateLimit();
    ZenubKeyframe keyframe;
    keyframe.m_frame = reader.readInt(values(Frame), path, keys[Frame], defaults.m_frame, 0,
                                      ZenubJsonReader::frameLimit());
    keyframe.m_x = reader.readNumber(values(X), path, keys[X], defaults.m_x, -limit, limit);
    keyframe.m_y = reader.readNumber(values(Y), path, keys[Y], defaults.m_y, -limit, limit);
    keyframe.m_width =
        reader.readNumber(values(Width), path, keys[Width], defaults.m_width, 0, limit);
    keyframe.m_height =
        reader.readNumber(values(Height), path, keys[Height], defaults.m_height, 0, limit);
    keyframe.m_rotation = reader.readNumber(values(Rotation), path, keys[Rotation],
                                            defaults.m_rotation, -limit, limit);
    keyframe.m_opacity =
        reader.readNumber(values(Opacity), path, keys[Opacity], defaults.m_opacity, 0, 1);
    const QJsonValue easing = values(Easing);
    if (!easing.isUndefined())
        keyframe.m_easing =
            ZenubEasing::fromJson(easing, reader, ZenubJsonPath(path, keys[Easing]));
    return keyframe;
}

bool ZenubKeyframe::operator==(const ZenubKeyframe& other) const
{
    // Exact: a saved and reloaded project must come back bit for bit.
    return m_frame == other.m_frame && m_x == other.m_x && m_y == other.m_y &&
           m_width == other.m_width && m_height == other.m_height &&
           m_rotation == other.m_rotation && m_opacity == other.m_opacity &&
           m_easing == other.m_easing;
}
