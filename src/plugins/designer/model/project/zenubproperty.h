// SPDX-License-Identifier: MIT
#ifndef ZENUBPROPERTY_H
#define ZENUBPROPERTY_H

#include <QCoreApplication>
#include <QString>
#include <QVector>

/*!
    The properties of a shape that change over time, each on its own track. Position and size
    each hold two numbers (x, y; width, height) that are keyed together; the fill and the stroke
    are paints (a colour or a gradient's stops and end points), their opacities separate. A
    text's words take the fill's colour.
*/
enum class ZenubProperty {
    Position,
    Size,
    Rotation,
    Opacity,
    Fill,
    FillOpacity,
    Stroke,
    StrokeOpacity,
    StrokeWidth,
    CornerRadius,
    Path,
    Points,
    InnerRadius,
    Roundness,
    FontSize
};

/*! Names and lists of the properties. */
class ZenubProperties
{
    Q_DECLARE_TR_FUNCTIONS(ZenubProperties)
public:
    /*! Every property, in the order above. */
    static const QVector<ZenubProperty>& all();
    /*! Position, size, rotation and opacity: what one keyframe held before tracks. */
    static const QVector<ZenubProperty>& box();
    static bool isBox(ZenubProperty property);

    /*! The name in project files ("position", "fillOpacity"). */
    static QLatin1String name(ZenubProperty property);
    static bool fromName(const QString& name, ZenubProperty* property);
    /*! The name shown to the user. */
    static QString displayName(ZenubProperty property);
};

#endif
