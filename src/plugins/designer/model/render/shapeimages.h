// SPDX-License-Identifier: MIT
#ifndef SHAPEIMAGES_H
#define SHAPEIMAGES_H

#include <QByteArray>
#include <QCoreApplication>
#include <QRectF>
#include <QString>

class QPainter;

/*!
    Draws the encoded picture of an image shape into its box, through PictureDecoder. Bitmaps
    are decoded no larger than they are drawn (to the next halving of their own size, so that
    zooming does not decode them again each step) and kept for later frames, since a frame is
    drawn many times a second while playing; SVG is drawn as vectors, so it stays sharp at any
    zoom. A picture with too many pixels is drawn as a marked box saying so, a damaged one as a
    crossed box.

    Each thread keeps its own decoded pictures, so the video export draws beside the stage.
*/
class ShapeImages
{
    Q_DECLARE_TR_FUNCTIONS(ShapeImages)
public:
    static void paint(QPainter* painter, const QByteArray& data, const QString& format,
                      const QRectF& box);
};

#endif
