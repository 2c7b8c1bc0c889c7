// SPDX-License-Identifier: MIT
#ifndef ZENUBPAINT_H
#define ZENUBPAINT_H

#include <QColor>
#include <QJsonValue>
#include <QLatin1String>
#include <QMetaType>
#include <QPointF>
#include <QVector>

class ZenubJsonPath;
class ZenubJsonReader;
class ZenubJsonWriter;

/*! One colour of a gradient, at \a offset (0..1) along it. */
struct ZenubGradientStop
{
    double offset = 0;
    QColor color;
    bool operator==(const ZenubGradientStop& other) const
    {
        return offset == other.offset && color == other.color;
    }
    bool operator!=(const ZenubGradientStop& other) const { return !(*this == other); }
};

/*!
    What the inside or the outline of a shape is painted with: one colour, or a linear or radial
    gradient, times an opacity of its own.

    A gradient's two points are relative to the shape's box (0,0 its top-left corner, 1,1 its
    bottom-right), so the gradient stretches with the box; the gradient itself is laid out in
    stage pixels once they are placed. A linear gradient runs from start to end, with lines of
    equal colour at right angles to it; a radial gradient is a circle around start through end.
    Beyond the first and last stop the end colours continue. A gradient without stops paints
    nothing.
*/
class ZenubPaint
{
public:
    enum class Type { Solid, LinearGradient, RadialGradient };

    ZenubPaint() = default;
    /*! A solid paint. */
    explicit ZenubPaint(const QColor& color);
    static ZenubPaint linear(const QVector<ZenubGradientStop>& stops, const QPointF& start,
                             const QPointF& end);
    static ZenubPaint radial(const QVector<ZenubGradientStop>& stops, const QPointF& centre,
                             const QPointF& edge);

    Type getType() const { return m_type; }
    void setType(Type type) { m_type = type; }
    bool isGradient() const { return m_type != Type::Solid; }
    /*! The colour of a solid paint; a gradient keeps it for when it becomes solid again. */
    QColor getColor() const { return m_color; }
    void setColor(const QColor& color) { m_color = color; }
    /*! In ascending order of their offsets. */
    const QVector<ZenubGradientStop>& getStops() const { return m_stops; }
    /*! Keeps the stops sorted by offset (stops on the same offset keep their order). */
    void setStops(const QVector<ZenubGradientStop>& stops);
    /*! Where a linear gradient starts, or the centre of a radial one, relative to the box. */
    QPointF getStart() const { return m_start; }
    void setStart(const QPointF& point) { m_start = point; }
    /*! Where a linear gradient ends, or a point on a radial one's last circle. */
    QPointF getEnd() const { return m_end; }
    void setEnd(const QPointF& point) { m_end = point; }
    /*! 0 (invisible) to 1; multiplies the colours' own alpha. */
    double getOpacity() const { return m_opacity; }
    void setOpacity(double opacity) { m_opacity = opacity; }

    /*! Whether anything at all is painted. */
    bool isVisible() const;
    /*! A solid, fully opaque paint: what files before gradients could hold. */
    bool isPlainColor() const { return m_type == Type::Solid && m_opacity == 1.0; }

    static QString typeName(Type type);

    /*! A plain colour as "#rrggbb" text, anything else as an object. */
    void write(ZenubJsonWriter& writer) const;
    /*! Reads what write() wrote (or a colour alone), found as \a key below \a path. */
    static ZenubPaint read(const QJsonValue& value, ZenubJsonReader& reader,
                           const ZenubJsonPath& path, QLatin1String key,
                           const ZenubPaint& fallback);

    static constexpr int maximumStops() { return 256; }

    bool operator==(const ZenubPaint& other) const;
    bool operator!=(const ZenubPaint& other) const { return !(*this == other); }

private:
    Type m_type = Type::Solid;
    QColor m_color = QColor(Qt::black);
    QVector<ZenubGradientStop> m_stops;
    QPointF m_start{0, 0.5};
    QPointF m_end{1, 0.5};
    double m_opacity = 1;
};

Q_DECLARE_METATYPE(ZenubPaint)

#endif
