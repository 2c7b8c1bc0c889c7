// SPDX-License-Identifier: MIT
#ifndef GRAPHCHANNEL_H
#define GRAPHCHANNEL_H

#include "model/edits/keyframeref.h"
#include "model/project/zenubeasing.h"
#include "model/project/zenubproperty.h"

#include <QCoreApplication>
#include <QVector>

class ZenubScene;
class ZenubShapeTracks;
struct ShapeRef;

/*! A key of a channel: its frame, its number and the easing towards the next key. */
struct GraphKey
{
    int frame = 0;
    double value = 0;
    ZenubEasing easing;
};

/*!
    One number of a shape's property over time, as the graph editor draws it: a position's x or
    y, a size's width or height, or a property that is a number itself. Colours, gradients and
    paths have no channel.
*/
struct GraphChannel
{
    Q_DECLARE_TR_FUNCTIONS(GraphChannel)
public:
    int layer = -1;
    int shape = -1;
    ZenubProperty property = ZenubProperty::Position;
    int component = 0; // 0: x or width or the number; 1: y or height

    static bool isNumeric(ZenubProperty property);
    /*! The channels of \a property: two for position and size, one for other numbers. */
    static QVector<GraphChannel> of(int layer, int shape, ZenubProperty property);
    /*!
        What a graph shows: the channels of the property rows \a rows (their frames do not
        count), or where these have none, those of every keyed number of \a shapes.
    */
    static QVector<GraphChannel> chosen(const ZenubScene& scene, const KeyframeRefs& rows,
                                        const QVector<ShapeRef>& shapes);

    /*! "Ball: Position X" */
    QString title(const ZenubScene& scene) const;
    double valueAt(const ZenubShapeTracks& tracks, double frame) const;
    QVector<GraphKey> keys(const ZenubShapeTracks& tracks) const;
    /*! The values the number may take; a dragged key stays inside them. */
    double clamped(double value) const;
    /*!
        Moves the key on \a frame to \a newFrame with \a value for this channel (the other of
        a pair keeps its value); false where there is no such key or another key is in the way.
    */
    bool moveKey(ZenubShapeTracks& tracks, int frame, int newFrame, double value) const;

    bool operator==(const GraphChannel& other) const
    {
        return layer == other.layer && shape == other.shape && property == other.property &&
               component == other.component;
    }
    bool operator!=(const GraphChannel& other) const { return !(*this == other); }
};

#endif
