// SPDX-License-Identifier: MIT
#ifndef KEYFRAMEREF_H
#define KEYFRAMEREF_H

#include <QVector>

/*! Addresses one keyframe of a scene: layer index, shape index and the keyframe's frame. */
struct KeyframeRef
{
    int layer = -1;
    int shape = -1;
    int frame = -1;
    bool operator==(const KeyframeRef& other) const
    {
        return layer == other.layer && shape == other.shape && frame == other.frame;
    }
    bool operator<(const KeyframeRef& other) const
    {
        if (layer != other.layer)
            return layer < other.layer;
        if (shape != other.shape)
            return shape < other.shape;
        return frame < other.frame;
    }
};

using KeyframeRefs = QVector<KeyframeRef>;

#endif
