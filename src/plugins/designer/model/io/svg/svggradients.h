// SPDX-License-Identifier: MIT
#ifndef SVGGRADIENTS_H
#define SVGGRADIENTS_H

#include "model/project/zenubpaint.h"

#include <QRectF>
#include <QSizeF>
#include <QTransform>

class SvgDocument;

/*!
    The linear and radial gradients of an SVG picture as paints: their stops, units, transform
    and what they take from the gradients they refer to. A linear gradient stays one under any
    transform; a radial one only while circles stay circles, and only with its focus in its
    centre. Repeating or reflecting gradients are refused.
*/
class SvgGradients
{
public:
    explicit SvgGradients(const SvgDocument& document)
        : m_document(document)
    {}
    /*! What percentages in user space are of. */
    void setViewport(const QSizeF& viewport) { m_viewport = viewport; }

    /*! Where a paint goes: a shape's outline in user space and its box. */
    struct Target
    {
        // From the element's user space to the coordinates the shape's box is in, unturned.
        QTransform toBox;
        // The outline's bounds in user space.
        QRectF bounds;
        // The shape's box.
        QRectF box;
    };

    /*!
        The paint of the gradient \a id for \a target with \a opacity; false when there is no
        such gradient or it cannot be shown as a paint.
    */
    bool paint(const QString& id, const Target& target, double opacity, ZenubPaint* paint) const;

    /*! Gradients refer to others no deeper than this. */
    static constexpr int maximumReferences() { return 16; }

private:
    // The element that gives \a attribute to gradient \a element, following references.
    int lookUp(int element, const QString& attribute, bool sameKindOnly) const;
    bool coordinate(int element, const char* name, const char* fallback, bool boxUnits,
                    double viewport, double* value) const;
    bool stops(int element, QVector<ZenubGradientStop>* stops) const;

    const SvgDocument& m_document;
    QSizeF m_viewport;
};

#endif
