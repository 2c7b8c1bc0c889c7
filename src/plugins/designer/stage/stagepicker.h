// SPDX-License-Identifier: MIT
#ifndef STAGEPICKER_H
#define STAGEPICKER_H

#include "document/designerdocument.h"

#include <QRectF>
#include <QVector>

/*!
    Which shapes of a scene, as they are at a frame, a click or a dragged rectangle picks:
    only shapes of visible layers that are not locked. Inside an entered group only its
    members are picked.
*/
class StagePicker
{
public:
    /*! \a within names the group whose members are picked; invalid for the layers' shapes. */
    StagePicker(const ZenubProject& project, int scene, int frame,
                const ShapeRef& within = ShapeRef());

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
    ShapeRef m_within;
};

#endif
