// SPDX-License-Identifier: MIT
#ifndef LOTTIEDOCUMENT_H
#define LOTTIEDOCUMENT_H

#include "lottietrack.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <QVector>

/*!
    A Lottie transform: anchor, position (or its x and y apart), scale (percent), rotation
    (degrees clockwise) and opacity (percent). Missing parts are their identity.
*/
struct LottieTransform
{
    LottieTrack anchor = LottieTrack::still<0, 0>();
    LottieTrack position = LottieTrack::still<0, 0>();
    bool split = false;
    LottieTrack positionX = LottieTrack::still<0>();
    LottieTrack positionY = LottieTrack::still<0>();
    LottieTrack scale = LottieTrack::still<100, 100>();
    LottieTrack rotation = LottieTrack::still<0>();
    LottieTrack opacity = LottieTrack::still<100>();

    /*! From the transformed coordinates to its parent's, at \a frame. */
    QTransform matrixAt(double frame) const;
    double opacityAt(double frame) const { return opacity.scalarAt(frame) / 100; }
    /*! The animated tracks, for the frames their keys are on. */
    QVector<const LottieTrack*> tracks() const;
};

/*! One element of a shape layer's list: a group, an outline, a fill or a stroke. */
struct LottieItem
{
    enum class Kind { Group, Rectangle, Ellipse, Path, PolyStar, Fill, Stroke };

    Kind kind = Kind::Group;
    QString name;
    // Group: its items, first drawn on top, and its transform.
    QVector<LottieItem> items;
    LottieTransform transform;
    // Rectangle, ellipse: centre and size; rectangle: corner radius.
    LottieTrack position = LottieTrack::still<0, 0>();
    LottieTrack size = LottieTrack::still<0, 0>();
    LottieTrack roundness = LottieTrack::still<0>();
    // Path: the flattened outline (see LottieReader::bezierValue()).
    LottieTrack path;
    // PolyStar.
    bool star = true;
    LottieTrack points = LottieTrack::still<5>();
    LottieTrack outerRadius = LottieTrack::still<0>();
    LottieTrack innerRadius = LottieTrack::still<0>();
    LottieTrack starRotation = LottieTrack::still<0>();
    // Fill and stroke: a colour, or a gradient (1 linear, 2 radial) with its stops.
    int gradient = 0;
    LottieTrack color = LottieTrack::still<0, 0, 0>();
    int stopCount = 0;
    LottieTrack stops;
    LottieTrack start = LottieTrack::still<0, 0>();
    LottieTrack end = LottieTrack::still<0, 0>();
    LottieTrack opacity = LottieTrack::still<100>();
    bool evenOdd = false;
    LottieTrack width = LottieTrack::still<0>();
    int cap = 2;
    int join = 2;
    double miterLimit = 4;
    QVector<double> dashes;
    double dashOffset = 0;

    bool isStyle() const { return kind == Kind::Fill || kind == Kind::Stroke; }
    bool isGeometry() const { return !isStyle() && kind != Kind::Group; }
};

/*! A layer of the animation, with what it draws. */
struct LottieLayer
{
    enum class Kind { Shape, Solid, Image, Text, Null };

    Kind kind = Kind::Null;
    QString name;
    int index = -1;
    int parent = -1;
    bool hidden = false;
    double in = 0;
    double out = 0;
    double start = 0;
    double stretch = 1;
    LottieTransform transform;
    QVector<LottieItem> shapes;
    // Solid.
    QColor solidColor;
    QSizeF solidSize;
    // Image: the picture's encoded bytes and the size the layer draws it at.
    QByteArray picture;
    QSizeF pictureSize;
    // Text: its first document.
    QString text;
    QString fontFamily;
    QString fontStyle;
    double fontSize = 0;
    double lineHeight = 0;
    int justify = 0;
    QColor textColor;
    /*! Later documents that change only the size or colour of the same words. */
    struct TextKey
    {
        double frame = 0;
        double fontSize = 0;
        QColor color;
    };
    QVector<TextKey> textKeys;

    /*! The layer's own time at frame \a frame of the animation. */
    double localFrame(double frame) const { return (frame - start) / stretch; }
};

/*! A Lottie animation as read: what the importer turns into a project. */
struct LottieDocument
{
    QString name;
    double frameRate = 0;
    double in = 0;
    double out = 0;
    int width = 0;
    int height = 0;
    /*! In the file's order: the first is drawn on top. */
    QVector<LottieLayer> layers;
    /*! What the project cannot hold, each with where it is ("masks (layer "Ball")"). */
    QStringList unsupported;
};

#endif
