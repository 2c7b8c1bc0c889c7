// SPDX-License-Identifier: MIT
#ifndef SVGSTYLE_H
#define SVGSTYLE_H

#include "svgdocument.h"

#include <QColor>
#include <QHash>
#include <QString>

/*!
    The presentation properties of an SVG element, from its attributes and its style attribute
    (which wins), over what it inherits. Tells which properties ask for more than shapes can
    show (clipping, masks, filters, markers): such a picture is better kept as an image.
*/
class SvgStyle
{
public:
    SvgStyle() = default;
    SvgStyle(const SvgStyle& inherited, const SvgDocument::Element& element);

    QString value(const char* name, const char* fallback = "") const;
    /*! The element's own opacity (0..1); a group's members do not inherit it. */
    double opacity() const { return m_opacity; }
    bool isHidden() const;
    /*! Something is asked for that shapes cannot show. */
    bool isRefused() const { return m_refused; }

    /*! A plain number or pixels within what a project file may hold; nothing else. */
    static bool length(const QString& text, double* value);
    /*! An opacity: what is missing or no number is opaque. */
    static double fraction(const QString& text);
    /*! A colour with \a opacity as its alpha; "currentColor" is \a current. */
    static bool color(const QString& text, double opacity, const QString& current, QColor* result);

private:
    QHash<QString, QString> m_properties;
    double m_opacity = 1;
    bool m_refused = false;
};

#endif
