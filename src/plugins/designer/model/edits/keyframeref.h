// SPDX-License-Identifier: MIT
#ifndef KEYFRAMEREF_H
#define KEYFRAMEREF_H

#include "model/project/zenubproperty.h"

#include <QVector>

#include <tuple>

/*!
    Addresses keyframes of a scene: layer index, shape index, the keyframe's frame, and the
    property (a ZenubProperty as a number) whose track holds it, or allProperties: then it
    names every keyframe the shape has on that frame, as a shape's row shows them.
*/
struct KeyframeRef
{
    static constexpr int allProperties = -1;

    int layer = -1;
    int shape = -1;
    int frame = -1;
    int property = allProperties;

    static KeyframeRef of(int layer, int shape, ZenubProperty property, int frame)
    {
        return KeyframeRef{layer, shape, frame, int(property)};
    }
    bool isWhole() const { return property == allProperties; }
    ZenubProperty getProperty() const { return ZenubProperty(property); }

    bool operator==(const KeyframeRef& other) const
    {
        return layer == other.layer && shape == other.shape && frame == other.frame &&
               property == other.property;
    }
    bool operator<(const KeyframeRef& other) const
    {
        return std::tie(layer, shape, property, frame) <
               std::tie(other.layer, other.shape, other.property, other.frame);
    }
};

using KeyframeRefs = QVector<KeyframeRef>;

#endif
