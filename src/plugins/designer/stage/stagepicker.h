// SPDX-License-Identifier: MIT
#ifndef STAGEPICKER_H
#define STAGEPICKER_H

#include "document/designerdocument.h"

#include <QRectF>
#include <QVector>

/*!
    Which shapes of a scene, as they are at a frame, a click or a dragged rectangle picks:
    only shapes of visible layers that are not locked.
*/
class StagePicker
{
public:
    StagePicker(const ZenubProject& project, int scene, int frame);

    /*! The topmost shape at stage point \a point, or an invalid reference. */
    ShapeRef shapeAt(const QPointF& point) const;
    /*! Every shape whose drawn bounds touch \a band, bottom first. */
    QVector<ShapeRef> shapesIn(const QRectF& band) const;
    /*! Whether \a ref names a shape of the project on a layer that is visible and not locked. */
    bool isPickable(const ShapeRef& ref) const;

private:
    const ZenubProject& m_project;
    int m_scene;
    int m_frame;
};

#endif
