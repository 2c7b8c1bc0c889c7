// SPDX-License-Identifier: MIT
#ifndef STYLEGLYPHS_H
#define STYLEGLYPHS_H

#include <QIcon>
#include <QStyle>

class QPainter;

/*!
    The glyphs of tool buttons the base style would draw in its own fixed grey: the transport
    (play, pause, first, previous, next, last) and a dock's close and float buttons. They come in
    the text colour of the surface they sit on, so they read as well as the words beside them in
    any theme; the disabled state takes the palette's disabled text colour.
*/
class StyleGlyphs
{
public:
    /*! Whether \a glyph is drawn here. */
    static bool draws(QStyle::StandardPixmap glyph);
    /*! The glyph in \a palette's button text colours, for the sizes tool bars use. */
    static QIcon icon(QStyle::StandardPixmap glyph, const QPalette& palette);
    /*! Paints \a glyph into a square of \a edge pixels in \a colour. */
    static void paint(QPainter* painter, QStyle::StandardPixmap glyph, int edge,
                      const QColor& colour);
};

#endif
