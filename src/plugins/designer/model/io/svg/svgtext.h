// SPDX-License-Identifier: MIT
#ifndef SVGTEXT_H
#define SVGTEXT_H

#include "svgdocument.h"

class QTransform;
class SvgStyle;
class ZenubShape;

/*!
    Reads an SVG text element into a text shape: its words in one style, on one line or on
    lines that are spans of their own at one x, placed where SVG draws them on their baselines.
*/
class SvgText
{
public:
    /*!
        Gives \a shape (a text) the words of \a element, drawn with \a style through
        \a toParent; false when one text shape cannot show them as SVG does. Words of nothing
        but white space leave the shape without words.
    */
    static bool read(const SvgDocument& document, const SvgDocument::Element& element,
                     const SvgStyle& style, const QTransform& toParent, ZenubShape* shape);
};

#endif
