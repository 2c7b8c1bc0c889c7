// SPDX-License-Identifier: MIT
#ifndef SHAPEARRANGER_H
#define SHAPEARRANGER_H

#include "document/designerdocument.h"

#include <QVector>

/*!
    Changes which shapes of a layer are drawn over which, as one undo step. Shapes stay in
    their layers: the layers' own order decides between layers.
*/
class ShapeArranger
{
public:
    enum class Order { BringToFront, BringForward, SendBackward, SendToBack };

    /*!
        Restacks \a refs within their layers; returns where the shapes went, in the order of
        \a refs, or nothing when they were already there.
    */
    static QVector<ShapeRef> arrange(DesignerDocument* document, const QVector<ShapeRef>& refs,
                                     Order order);
    /*! The new order of a layer's \a count shapes, as old indices, with \a selected moved. */
    static QVector<int> restacked(int count, const QVector<int>& selected, Order order);
};

#endif
