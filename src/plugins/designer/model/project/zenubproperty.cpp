// SPDX-License-Identifier: MIT
#include "zenubproperty.h"

const QVector<ZenubProperty>& ZenubProperties::all()
{
    static const QVector<ZenubProperty> properties{
        ZenubProperty::Position,     ZenubProperty::Size,          ZenubProperty::Rotation,
        ZenubProperty::Opacity,      ZenubProperty::Fill,          ZenubProperty::FillOpacity,
        ZenubProperty::Stroke,       ZenubProperty::StrokeOpacity, ZenubProperty::StrokeWidth,
        ZenubProperty::CornerRadius, ZenubProperty::Path,          ZenubProperty::Points,
        ZenubProperty::InnerRadius,  ZenubProperty::Roundness,     ZenubProperty::FontSize};
    return properties;
}

const QVector<ZenubProperty>& ZenubProperties::box()
{
    static const QVector<ZenubProperty> properties{ZenubProperty::Position, ZenubProperty::Size,
                                                   ZenubProperty::Rotation, ZenubProperty::Opacity};
    return properties;
}

bool ZenubProperties::isBox(ZenubProperty property)
{
    return property == ZenubProperty::Position || property == ZenubProperty::Size ||
           property == ZenubProperty::Rotation || property == ZenubProperty::Opacity;
}

QLatin1String ZenubProperties::name(ZenubProperty property)
{
    switch (property) {
    case ZenubProperty::Position:
        return QLatin1String("position");
    case ZenubProperty::Size:
        return QLatin1String("size");
    case ZenubProperty::Rotation:
        return QLatin1String("rotation");
    case ZenubProperty::Opacity:
        return QLatin1String("opacity");
    case ZenubProperty::Fill:
        return QLatin1String("fill");
    case ZenubProperty::FillOpacity:
        return QLatin1String("fillOpacity");
    case ZenubProperty::Stroke:
        return QLatin1String("stroke");
    case ZenubProperty::StrokeOpacity:
        return QLatin1String("strokeOpacity");
    case ZenubProperty::StrokeWidth:
        return QLatin1String("strokeWidth");
    case ZenubProperty::CornerRadius:
        return QLatin1String("cornerRadius");
    case ZenubProperty::Path:
        return QLatin1String("path");
    case ZenubProperty::Points:
        return QLatin1String("points");
    case ZenubProperty::InnerRadius:
        return QLatin1String("innerRadius");
    case ZenubProperty::Roundness:
        return QLatin1String("roundness");
    case ZenubProperty::FontSize:
        return QLatin1String("fontSize");
    }
    return QLatin1String();
}

bool ZenubProperties::fromName(const QString& name, ZenubProperty* property)
{
    for (const ZenubProperty candidate : all()) {
        if (name == ZenubProperties::name(candidate)) {
            *property = candidate;
            return true;
        }
    }
    return false;
}

QString ZenubProperties::displayName(ZenubProperty property)
{
    switch (property) {
    case ZenubProperty::Position:
        return tr("Position");
    case ZenubProperty::Size:
        return tr("Size");
    case ZenubProperty::Rotation:
        return tr("Rotation");
    case ZenubProperty::Opacity:
        return tr("Opacity");
    case ZenubProperty::Fill:
        return tr("Fill");
    case ZenubProperty::FillOpacity:
        return tr("Fill Opacity");
    case ZenubProperty::Stroke:
        return tr("Outline");
    case ZenubProperty::StrokeOpacity:
        return tr("Outline Opacity");
    case ZenubProperty::StrokeWidth:
        return tr("Outline Width");
    case ZenubProperty::CornerRadius:
        return tr("Corner Radius");
    case ZenubProperty::Path:
        return tr("Path");
    case ZenubProperty::Points:
        return tr("Points");
    case ZenubProperty::InnerRadius:
        return tr("Inner Radius");
    case ZenubProperty::Roundness:
        return tr("Roundness");
    case ZenubProperty::FontSize:
        return tr("Font Size");
    }
    return QString();
}
