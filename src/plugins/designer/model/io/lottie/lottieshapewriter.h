// SPDX-License-Identifier: MIT
#ifndef LOTTIESHAPEWRITER_H
#define LOTTIESHAPEWRITER_H

#include "lottietrack.h"

#include <QJsonArray>
#include <QPainterPath>

class ZenubJsonWriter;
class ZenubShape;

/*! A shape's box over time as Lottie properties, with its frames counted from the animation's
 * start. */
struct LottieBoxTracks
{
    LottieTrack position; // the box's top-left corner
    LottieTrack size;
    LottieTrack rotation; // degrees clockwise about the box's centre
    LottieTrack opacity;  // 0..1

    /*! The tracks of \a shape, whose scene starts at frame \a sceneStart of the animation. */
    static LottieBoxTracks of(const ZenubShape& shape, double sceneStart);
};

/*! Outlines filled with one colour: a text's glyphs of one colour in one layout. */
struct LottieGlyphs
{
    QPainterPath outline;
    LottieTrack rgb;     // 0..1 each
    LottieTrack opacity; // 0..1
};

/*!
    Writes a rectangle, ellipse, path, polygon, star or group as one Lottie group, drawn as the
    editor draws it.

    Each property of the box goes to a transform of its own, so that every key keeps its frame
    and timing: the outer group moves the box's corner (position), the inner one turns about the
    box's centre (size / 2, rotation), and the content is laid out in the box's own pixels from
    the size; a path's or polygon's nodes, relative to the box, are scaled by a group of their
    own, outside of which the stroke is applied, so its width stays in pixels. A group's
    members go into a group scaled from its content size to its box, as the editor scales them,
    strokes and all. The editor fades a shape's fill and stroke each by its opacity (and its
    groups'), not as one picture, so the opacity is multiplied into theirs.
*/
class LottieShapeWriter
{
public:
    explicit LottieShapeWriter(double sceneStart);

    /*! The group for \a shape, faded by \a opacity (its groups' opacity, 0..1) beside its own. */
    void shape(ZenubJsonWriter& out, const ZenubShape& shape, const LottieTrack& opacity) const;
    /*!
        A group drawing each outline (box pixels, from \a box's corner) with its fill item: a
        text's glyphs as outlines.
    */
    void outline(ZenubJsonWriter& out, const QString& name, const QVector<LottieGlyphs>& glyphs,
                 const LottieBoxTracks& box) const;

    /*!
        A layer's transform, or a group's (\a item: with its type); tracks left empty are
        written as their identity.
    */
    static void transform(ZenubJsonWriter& out, const LottieTrack& anchor,
                          const LottieTrack& position, const LottieTrack& scale,
                          const LottieTrack& rotation, const LottieTrack& opacity, bool item);
    static LottieTrack constant(std::initializer_list<double> values);
    /*! The Lottie name of a colour: [r, g, b] in 0..1. */
    static QJsonArray colour(const QColor& color);

private:
    void content(ZenubJsonWriter& out, const ZenubShape& shape, const LottieBoxTracks& box,
                 const LottieTrack& opacity) const;
    void polyStar(ZenubJsonWriter& out, const ZenubShape& shape) const;
    void boxGroup(ZenubJsonWriter& out, const QString& name, const std::function<void()>& items,
                  const LottieBoxTracks& box) const;

    double m_sceneStart = 0;
};

#endif
