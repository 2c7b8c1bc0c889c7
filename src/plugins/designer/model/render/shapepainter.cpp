// SPDX-License-Identifier: MIT
#include "shapepainter.h"

#include "model/project/zenubshape.h"
#include "paintbrush.h"
#include "shapegeometry.h"
#include "shapeimages.h"
#include "textlayout.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

void ShapePainter::paint(QPainter* painter, const ZenubShape& shape, double frame)
{
    ZenubShapeState state;
    if (shape.stateAt(frame, &state))
        paint(painter, shape, state, frame);
}

void ShapePainter::paint(QPainter* painter, const ZenubShape& shape, const ZenubShapeState& state,
                         double frame)
{
    painter->save();
    painter->setTransform(state.transform(), true);
    painter->setOpacity(painter->opacity() * state.box.getOpacity());
    const QRectF box = state.rect();
    painter->setPen(PaintBrush::pen(state.stroke, box));
    painter->setBrush(PaintBrush::brush(state.fill, box));
    switch (shape.getType()) {
    case ZenubShape::Type::Rectangle: {
        const double radius = std::min(state.cornerRadius, std::min(box.width(), box.height()) / 2);
        if (radius > 0)
            painter->drawRoundedRect(box, radius, radius);
        else
            painter->drawRect(box);
        break;
    }
    case ZenubShape::Type::Ellipse:
        painter->drawEllipse(box);
        break;
    case ZenubShape::Type::Path:
    case ZenubShape::Type::Polygon:
    case ZenubShape::Type::Star:
        painter->drawPath(ShapeGeometry::painterPath(shape, state));
        break;
    case ZenubShape::Type::Text: {
        const ZenubText text = shape.textFor(state.fontSize);
        TextLayout::of(text, box.size())->paint(painter, text, box, state.fill);
        break;
    }
    case ZenubShape::Type::Image:
        ShapeImages::paint(painter, shape.getImageData(), shape.getImageFormat(), box);
        if (state.stroke.isVisible()) {
            painter->setBrush(Qt::NoBrush);
            painter->setPen(PaintBrush::pen(state.stroke, box));
            painter->drawRect(box);
        }
        break;
    case ZenubShape::Type::Group:
        painter->setTransform(ShapeGeometry::contentTransform(shape, box), true);
        for (const ZenubShape& member : shape.getMembers())
            paint(painter, member, frame);
        break;
    }
    painter->restore();
}
