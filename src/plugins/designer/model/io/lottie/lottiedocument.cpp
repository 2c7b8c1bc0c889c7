// SPDX-License-Identifier: MIT
#include "lottiedocument.h"

QTransform LottieTransform::matrixAt(double frame) const
{
    const QPointF a = anchor.pointAt(frame);
    const QPointF p = split ? QPointF(positionX.scalarAt(frame), positionY.scalarAt(frame))
                            : position.pointAt(frame);
    const QPointF s = scale.pointAt(frame);
    QTransform m;
    m.translate(p.x(), p.y());
    m.rotate(rotation.scalarAt(frame));
    m.scale(s.x() / 100, s.y() / 100);
    m.translate(-a.x(), -a.y());
    return m;
}

QVector<const LottieTrack*> LottieTransform::tracks() const
{
    return {&anchor, &position, &positionX, &positionY, &scale, &rotation, &opacity};
}
