// SPDX-License-Identifier: MIT
#include "shapearranger.h"

#include <QCoreApplication>
#include <QMap>

#include <algorithm>
#include <numeric>

QVector<int> ShapeArranger::restacked(int count, const QVector<int>& selected, Order order)
{
    QVector<int> stack(count);
    std::iota(stack.begin(), stack.end(), 0);
    const auto isSelected = [&selected](int index) {
        return selected.contains(index);
    };
    switch (order) {
    case Order::BringToFront:
        std::stable_partition(stack.begin(), stack.end(),
                              [&](int index) { return !isSelected(index); });
        break;
    case Order::SendToBack:
        std::stable_partition(stack.begin(), stack.end(), isSelected);
        break;
    case Order::BringForward:
        // From the top down, so that neighbours selected together move as a block.
        for (int i = count - 2; i >= 0; --i)
            if (isSelected(stack.at(i)) && !isSelected(stack.at(i + 1)))
                std::swap(stack[i], stack[i + 1]);
        break;
    case Order::SendBackward:
        for (int i = 1; i < count; ++i)
            if (isSelected(stack.at(i)) && !isSelected(stack.at(i - 1)))
                std::swap(stack[i], stack[i - 1]);
        break;
    }
    return stack;
}

QVector<ShapeRef> ShapeArranger::arrange(DesignerDocument* document, const QVector<ShapeRef>& refs,
                                         Order order)
{
    if (!document || refs.isEmpty())
        return {};
    QMap<QPair<int, int>, QVector<int>> byLayer;
    for (const ShapeRef& ref : refs) {
        if (!document->shapeAt(ref))
            return {};
        byLayer[qMakePair(ref.scene, ref.layer)].append(ref.shape);
    }
    QMap<QPair<int, int>, QVector<int>> stacks;
    const auto change = [&](ZenubProject& project) {
        for (auto it = byLayer.cbegin(); it != byLayer.cend(); ++it) {
            QVector<ZenubShape>& shapes =
                project.scenes()[it.key().first].layers()[it.key().second].shapes();
            const QVector<int> stack = restacked(shapes.size(), it.value(), order);
            const QVector<ZenubShape> before = shapes;
            for (int i = 0; i < stack.size(); ++i)
                shapes[i] = before.at(stack.at(i));
            stacks.insert(it.key(), stack);
        }
        return true;
    };
    const char* const texts[] = {QT_TRANSLATE_NOOP("ShapeArranger", "Bring to Front"),
                                 QT_TRANSLATE_NOOP("ShapeArranger", "Bring Forward"),
                                 QT_TRANSLATE_NOOP("ShapeArranger", "Send Backward"),
                                 QT_TRANSLATE_NOOP("ShapeArranger", "Send to Back")};
    if (!document->editProject(QCoreApplication::translate("ShapeArranger", texts[int(order)]),
                               change))
        return {};
    QVector<ShapeRef> moved;
    for (const ShapeRef& ref : refs) {
        const QVector<int> stack = stacks.value(qMakePair(ref.scene, ref.layer));
        moved.append(ShapeRef{ref.scene, ref.layer, int(stack.indexOf(ref.shape))});
    }
    return moved;
}
