// SPDX-License-Identifier: MIT
#ifndef TEXTLAYOUT_H
#define TEXTLAYOUT_H

#include "model/project/zenubtext.h"

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QVector>

#include <memory>

class QPainter;
class ZenubPaint;
class ZenubText;

/*!
    Where the words of a text shape go in its box, by rules the exported player repeats:

    - Each run is drawn in its font: its family, its pixel size (the text's or the run's own,
      cut to a whole number, at least 1) and its weight and slant. A text without a size of its
      own gets box height x 0.7 / paragraphs, shrunk in proportion when its widest paragraph
      would be wider than the box, and never wraps.
    - In a wrapping box, a paragraph breaks before a word (non-spaces and the spaces after them)
      that would reach past the box's width without its spaces; a word alone on its line stays
      there, however wide. Widths are the sum of each run's stretch measured on its own.
    - A line is as tall as its tallest font (ascent plus descent, taken from the font at 1000
      pixels and scaled, so that rounding at small sizes does not matter) times the line spacing,
      its baseline half the extra space below its top plus the ascent. An empty paragraph is as
      tall as the text's own font.
    - The block of lines is centred vertically in the box; each line is aligned left, centred or
      aligned right within the box's width (its trailing spaces left out).
    - An underline is a bar px / 16 thick (at least 1) whose top is px / 10 below the baseline.

    Layouts are kept per text and box size, so a text is laid out once per change, not once per
    frame; drawing only touches the lines inside the painter's clip.
*/
class TextLayout
{
public:
    struct Fragment
    {
        int run = 0;
        // The words drawn: this stretch of the run's text.
        int start = 0;
        int length = 0;
        // From the line's start.
        double x = 0;
        double width = 0;
    };
    struct Line
    {
        // From the block's top; see blockTop().
        double top = 0;
        double baseline = 0;
        double height = 0;
        double width = 0;
        int first = 0;
        int count = 0;
    };

    /*! The layout of \a text in a box of \a size, laid out now or kept from before. */
    static std::shared_ptr<const TextLayout> of(const ZenubText& text, const QSizeF& size);
    /*! The size the lines need (widest line by the block's height), as a growing box takes. */
    static QSizeF naturalSize(const ZenubText& text, const QSizeF& size);

    const QVector<Line>& lines() const { return m_lines; }
    const QVector<Fragment>& fragments() const { return m_fragments; }
    /*! The font run \a run is drawn in. */
    const QFont& fontOf(int run) const { return m_fonts.at(run); }
    /*! The text's own font at the size it is drawn (what runs without a style of their own use). */
    const QFont& baseFont() const { return m_baseFont; }
    /*! The widest line by the height of all lines. */
    QSizeF size() const { return m_size; }
    /*! Where \a line starts, from the left edge of a box \a boxWidth wide. */
    double lineX(const Line& line, double boxWidth) const;
    /*! Where the first line's top is, from the top edge of a box \a boxHeight high. */
    double blockTop(double boxHeight) const;
    /*! The words of \a fragment, taken from \a text. */
    static QString wordsOf(const ZenubText& text, const Fragment& fragment);

    /*!
        Draws the lines that meet the painter's clip into \a box: runs without a colour of
        their own with \a fill, the others in their colour at the fill's opacity.
    */
    void paint(QPainter* painter, const ZenubText& text, const QRectF& box,
               const ZenubPaint& fill) const;

private:
    TextLayout() = default;
    void layOut(const ZenubText& text, const QSizeF& size);

    QVector<QFont> m_fonts;
    QFont m_baseFont;
    QVector<Line> m_lines;
    QVector<Fragment> m_fragments;
    QSizeF m_size;
    ZenubText::Alignment m_alignment = ZenubText::Alignment::Center;
};

#endif
