// SPDX-License-Identifier: MIT
#ifndef SHAPEIMAGES_H
#define SHAPEIMAGES_H

#include <QByteArray>
#include <QRectF>
#include <QString>

class QPainter;

/*!
    Draws the encoded picture of an image shape into its box. Decoded pictures are kept for
    later frames, since a frame is drawn many times a second while playing; SVG is drawn as
    vectors, so it stays sharp at any zoom.
*/
class ShapeImages
{
public:
    /*! Whether \a data holds a picture of \a format that can be drawn. */
    static bool canDecode(const QByteArray& data, const QString& format);
    static void paint(QPainter* painter, const QByteArray& data, const QString& format,
                      const QRectF& box);
    /*! The picture's own size in pixels, or an empty size when it cannot be read. */
    static QSizeF naturalSize(const QByteArray& data, const QString& format);
};

#endif
