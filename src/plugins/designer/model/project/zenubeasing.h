// SPDX-License-Identifier: MIT
#ifndef ZENUBEASING_H
#define ZENUBEASING_H

#include <QJsonValue>
#include <QString>

class ZenubJsonPath;
class ZenubJsonReader;
class ZenubJsonWriter;

/*!
    How the values of a keyframe travel to the next keyframe. The named curves are the cubic
    Béziers web pages know under the same names, so the exported player can use the same
    numbers; a cubic Bézier of the user's own choosing takes its two control points. Hold keeps
    the keyframe's value until the next keyframe's frame, where it jumps.

    Every easing but hold is a cubic Bézier from (0,0) through (x1,y1) and (x2,y2) to (1,1), so
    formats that store tangents take these numbers as they are (linear: 0,0 and 1,1).
*/
class ZenubEasing
{
public:
    enum class Type { Linear, EaseIn, EaseOut, EaseInOut, CubicBezier, Hold };

    ZenubEasing() = default;
    explicit ZenubEasing(Type type);
    /*! A curve of the user's own; the x values are clamped to 0..1, as they must be. */
    static ZenubEasing bezier(double x1, double y1, double x2, double y2);

    Type getType() const { return m_type; }
    bool isHold() const { return m_type == Type::Hold; }
    double x1() const { return m_x1; }
    double y1() const { return m_y1; }
    double x2() const { return m_x2; }
    double y2() const { return m_y2; }

    /*! The eased progress for the linear progress \a t (0 gives 0, 1 gives 1; hold: 0 below 1). */
    double valueFor(double t) const;

    static QString typeName(Type type);
    static bool typeFromName(const QString& name, Type* type);

    /*! A name for the named curves, an object with the control points for the user's own. */
    QJsonValue toJson() const;
    /*! Writes the same value as toJson() gives. */
    void write(ZenubJsonWriter& writer) const;
    static ZenubEasing fromJson(const QJsonValue& value, ZenubJsonReader& reader,
                                const ZenubJsonPath& path);

    bool operator==(const ZenubEasing& other) const;
    bool operator!=(const ZenubEasing& other) const { return !(*this == other); }

private:
    Type m_type = Type::Linear;
    double m_x1 = 0;
    double m_y1 = 0;
    double m_x2 = 1;
    double m_y2 = 1;
};

#endif
