// SPDX-License-Identifier: MIT
#ifndef GRAPHCURVES_H
#define GRAPHCURVES_H

#include "graphchannel.h"
#include "model/project/zenubshapetracks.h"

#include <QColor>
#include <QString>
#include <QVector>

/*!
    The channels a graph editor shows, read from a scene: each with its keys, its title and its
    colour, and a copy of its shape's tracks for the values between the keys (every edit
    replaces the project, so nothing here points into it).
*/
class GraphCurves
{
public:
    struct Curve
    {
        GraphChannel channel;
        QVector<GraphKey> keys;
        QString title;
        QColor colour;
        ZenubShapeTracks tracks;

        double valueAt(double frame) const { return channel.valueAt(tracks, frame); }
        int indexOf(int frame) const;
    };

    void read(const ZenubScene& scene, const QVector<GraphChannel>& channels);
    int count() const { return m_curves.size(); }
    const Curve& at(int index) const { return m_curves.at(index); }
    int indexOf(const GraphChannel& channel) const;
    bool isEmpty() const { return m_curves.isEmpty(); }

    /*!
        The frames with keys (the scene's when there are fewer than two) and the values the
        curves reach over them, overshoots included; false without curves.
    */
    bool bounds(int duration, double* first, double* last, double* low, double* high) const;

private:
    QVector<Curve> m_curves;
};

#endif
