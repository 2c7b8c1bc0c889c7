// SPDX-License-Identifier: MIT
#include "boxedits.h"

#include "model/project/zenubkeyframe.h"

#include <QTransform>

namespace BoxEdits {

ZenubKeyframe refit(const ZenubKeyframe& keyframe, const QSizeF& size, const QPointF& from,
                    const QPointF& to)
{
    const QPointF centre(keyframe.getX() + keyframe.getWidth() / 2,
                         keyframe.getY() + keyframe.getHeight() / 2);
    QTransform turn;
    turn.rotate(keyframe.getRotation());
    const QPointF fixed = centre + turn.map(QPointF((from.x() - 0.5) * keyframe.getWidth(),
                                                    (from.y() - 0.5) * keyframe.getHeight()));
    const QPointF newCentre =
        fixed - turn.map(QPointF((to.x() - 0.5) * size.width(), (to.y() - 0.5) * size.height()));
    ZenubKeyframe result = keyframe;
    result.setX(newCentre.x() - size.width() / 2);
    result.setY(newCentre.y() - size.height() / 2);
    result.setWidth(size.width());
    result.setHeight(size.height());
    return result;
}

} // namespace BoxEdits
