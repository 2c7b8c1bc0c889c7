// SPDX-License-Identifier: MIT
#include "alignedits.h"

#include <algorithm>
#include <numeric>

namespace AlignEdits {

QRectF bounds(const QVector<QRectF>& boxes)
{
    QRectF all;
    for (const QRectF& box : boxes)
        all = all.isNull() ? box : all.united(box);
    return all;
}

QVector<QPointF> align(const QVector<QRectF>& boxes, Edge edge, const QRectF& reference)
{
    QVector<QPointF> moves;
    moves.reserve(boxes.size());
    for (const QRectF& box : boxes) {
        switch (edge) {
        case Edge::Left:
            moves.append(QPointF(reference.left() - box.left(), 0));
            break;
        case Edge::Centre:
            moves.append(QPointF(reference.center().x() - box.center().x(), 0));
            break;
        case Edge::Right:
            moves.append(QPointF(reference.right() - box.right(), 0));
            break;
        case Edge::Top:
            moves.append(QPointF(0, reference.top() - box.top()));
            break;
        case Edge::Middle:
            moves.append(QPointF(0, reference.center().y() - box.center().y()));
            break;
        case Edge::Bottom:
            moves.append(QPointF(0, reference.bottom() - box.bottom()));
            break;
        }
    }
    return moves;
}

QVector<QPointF> distribute(const QVector<QRectF>& boxes, Qt::Orientation orientation,
                            const QRectF& reference)
{
    const bool bHorizontal = orientation == Qt::Horizontal;
    const auto start = [bHorizontal](const QRectF& box) {
        return bHorizontal ? box.left() : box.top();
    };
    const auto length = [bHorizontal](const QRectF& box) {
        return bHorizontal ? box.width() : box.height();
    };
    const auto centre = [bHorizontal](const QRectF& box) {
        return bHorizontal ? box.center().x() : box.center().y();
    };
    QVector<QPointF> moves(boxes.size());
    if (boxes.isEmpty() || (boxes.size() < 3 && reference.isNull()))
        return moves;
    QVector<int> order(boxes.size());
    std::iota(order.begin(), order.end(), 0);
    // Stable, so boxes with one centre keep the order they were given in.
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return centre(boxes.at(a)) < centre(boxes.at(b)); });
    const QRectF span = reference.isNull() ? bounds(boxes) : reference;
    double taken = 0;
    for (const QRectF& box : boxes)
        taken += length(box);
    const int gaps = boxes.size() - 1;
    const double gap = gaps > 0 ? (length(span) - taken) / gaps : 0;
    double at = gaps > 0 ? start(span) : start(span) + (length(span) - taken) / 2;
    for (const int index : qAsConst(order)) {
        const double shift = at - start(boxes.at(index));
        moves[index] = bHorizontal ? QPointF(shift, 0) : QPointF(0, shift);
        at += length(boxes.at(index)) + gap;
    }
    return moves;
}

} // namespace AlignEdits
