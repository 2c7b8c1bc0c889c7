// SPDX-License-Identifier: MIT
#include "zenubkeyframe.h"

#include "model/io/zenub/zenubjsonkeys.h"
#include "model/io/zenub/zenubjsonreader.h"

ZenubKeyframe::ZenubKeyframe(int frame, double x, double y, double width, double height)
    : m_frame(frame)
    , m_x(x)
    , m_y(y)
    , m_width(width)
    , m_height(height)
{}

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
