// SPDX-License-Identifier: MIT
#include "graphchannel.h"

#include "model/edits/shaperef.h"
#include "model/project/zenubscene.h"

#include <QPointF>
#include <QSizeF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

namespace {

template<typename T>
double numberOf(const T& value, int component)
{
    if constexpr (std::is_same_v<T, QPointF>)
        return component == 0 ? value.x() : value.y();
    else if constexpr (std::is_same_v<T, QSizeF>)
        return component == 0 ? value.width() : value.height();
    else if constexpr (std::is_arithmetic_v<T>)
        return double(value);
    else
        return 0;
}

template<typename T>
T withNumber(T value, int component, double number)
{
    if constexpr (std::is_same_v<T, QPointF>) {
        (component == 0 ? value.rx() : value.ry()) = number;
    } else if constexpr (std::is_same_v<T, QSizeF>) {
        (component == 0 ? value.rwidth() : value.rheight()) = number;
    } else if constexpr (std::is_same_v<T, int>) {
        value = int(std::lround(number));
    } else if constexpr (std::is_arithmetic_v<T>) {
        value = number;
    }
    return value;
}

const ZenubShapeTracks* tracksOf(const ZenubScene& scene, int layer, int shape)
{
    if (layer < 0 || layer >= scene.getLayers().size())
        return nullptr;
    const auto& shapes = scene.getLayers().at(layer).getShapes();
    return shape >= 0 && shape < shapes.size() ? &shapes.at(shape).tracks() : nullptr;
}

} // namespace

bool GraphChannel::isNumeric(ZenubProperty property)
{
    return property != ZenubProperty::Fill && property != ZenubProperty::Stroke &&
           property != ZenubProperty::Path;
}

QVector<GraphChannel> GraphChannel::of(int layer, int shape, ZenubProperty property)
{
    if (!isNumeric(property))
        return {};
    QVector<GraphChannel> channels{{layer, shape, property, 0}};
    if (property == ZenubProperty::Position || property == ZenubProperty::Size)
        channels.append({layer, shape, property, 1});
    return channels;
}

QVector<GraphChannel> GraphChannel::chosen(const ZenubScene& scene, const KeyframeRefs& rows,
                                           const QVector<ShapeRef>& shapes)
{
    QVector<GraphChannel> channels;
    for (const KeyframeRef& row : rows)
        if (!row.isWhole() && tracksOf(scene, row.layer, row.shape))
            channels += of(row.layer, row.shape, row.getProperty());
    if (!channels.isEmpty())
        return channels;
    for (const ShapeRef& ref : shapes) {
        const ZenubShapeTracks* tracks = tracksOf(scene, ref.layer, ref.shape);
        if (!tracks)
            continue;
        tracks->forEach([&](ZenubProperty property, const auto& track) {
            // The same shape picked twice (two of its group's members) shows once.
            if (track.isKeyed() && !channels.contains({ref.layer, ref.shape, property, 0}))
                channels += of(ref.layer, ref.shape, property);
        });
    }
    return channels;
}

QString GraphChannel::title(const ZenubScene& scene) const
{
    QString name = ZenubProperties::displayName(property);
    if (property == ZenubProperty::Position)
        name = component == 0 ? tr("Position X") : tr("Position Y");
    else if (property == ZenubProperty::Size)
        name = component == 0 ? tr("Width") : tr("Height");
    if (!tracksOf(scene, layer, shape))
        return name;
    return tr("%1: %2").arg(scene.getLayers().at(layer).getShapes().at(shape).getName(), name);
}

double GraphChannel::valueAt(const ZenubShapeTracks& tracks, double frame) const
{
    return tracks.visit(
        property, [&](const auto& track) { return numberOf(track.valueAt(frame), component); });
}

QVector<GraphKey> GraphChannel::keys(const ZenubShapeTracks& tracks) const
{
    QVector<GraphKey> keys;
    tracks.visit(property, [&](const auto& track) {
        for (const auto& key : track.keys())
            keys.append({key.frame, numberOf(key.value, component), key.easing});
    });
    return keys;
}

double GraphChannel::clamped(double value) const
{
    double low = 0;
    double high = std::numeric_limits<double>::max();
    switch (property) {
    case ZenubProperty::Position:
    case ZenubProperty::Rotation:
        low = -high;
        break;
    case ZenubProperty::Opacity:
    case ZenubProperty::FillOpacity:
    case ZenubProperty::StrokeOpacity:
    case ZenubProperty::InnerRadius:
    case ZenubProperty::Roundness:
        high = 1;
        break;
    case ZenubProperty::Size:
    case ZenubProperty::FontSize:
        low = 1;
        break;
    case ZenubProperty::Points:
        low = 3;
        high = ZenubShape::maximumPoints();
        break;
    default:
        break;
    }
    return std::clamp(value, low, high);
}

bool GraphChannel::moveKey(ZenubShapeTracks& tracks, int frame, int newFrame, double value) const
{
    return tracks.visit(property, [&](auto& track) {
        const int index = track.indexOf(frame);
        if (index < 0 || (newFrame != frame && track.indexOf(newFrame) >= 0))
            return false;
        auto key = track.keys().at(index);
        key.value = withNumber(key.value, component, clamped(value));
        key.frame = newFrame;
        if (newFrame != frame) {
            // In before the old one leaves: a track never gives up its last key.
            track.setKey(key);
            track.removeKey(frame);
        } else {
            track.setKey(key);
        }
        return true;
    });
}
