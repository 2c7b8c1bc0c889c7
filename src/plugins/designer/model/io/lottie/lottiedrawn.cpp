// SPDX-License-Identifier: MIT
#include "lottiedrawn.h"

#include <functional>

QVector<LottieDrawn> LottieDrawn::listOf(const QVector<LottieItem>& items, const QString& place)
{
    // The outlines a style at some place in the list paints: every one before it, those in
    // groups before it too, moved by those groups.
    const auto outlinesBefore = [](const QVector<LottieItem>& list, int end) {
        QVector<LottieDrawn::Outline> outlines;
        std::function<void(const QVector<LottieItem>&, int, const QVector<const LottieTransform*>&)>
            collect = [&](const QVector<LottieItem>& level, int stop,
                          const QVector<const LottieTransform*>& nested) {
                for (int i = 0; i < stop; ++i) {
                    const LottieItem& item = level.at(i);
                    if (item.isGeometry())
                        outlines.append({&item, nested});
                    else if (item.kind == LottieItem::Kind::Group)
                        collect(item.items, item.items.size(),
                                QVector<const LottieTransform*>{&item.transform} + nested);
                }
            };
        collect(list, end, {});
        return outlines;
    };
    QVector<LottieDrawn> drawn;
    // The last listed is drawn first.
    for (int k = items.size() - 1; k >= 0; --k) {
        const LottieItem& item = items.at(k);
        const QString here = item.name.isEmpty() ? place : tr("%1, \"%2\"").arg(place, item.name);
        if (item.isStyle()) {
            LottieDrawn entry;
            entry.place = place;
            entry.outlines = outlinesBefore(items, k);
            if (entry.outlines.isEmpty())
                continue;
            (item.kind == LottieItem::Kind::Fill ? entry.fill : entry.stroke) = &item;
            // A stroke right over a fill of the same outlines is one shape of ours.
            if (entry.stroke && !drawn.isEmpty() && drawn.constLast().fill &&
                !drawn.constLast().stroke && !drawn.constLast().group) {
                LottieDrawn& below = drawn.last();
                bool same = below.outlines.size() == entry.outlines.size();
                for (int i = 0; same && i < entry.outlines.size(); ++i)
                    same = below.outlines.at(i).item == entry.outlines.at(i).item &&
                           below.outlines.at(i).nested == entry.outlines.at(i).nested;
                if (same) {
                    below.stroke = entry.stroke;
                    continue;
                }
            }
            drawn.append(entry);
        } else if (item.kind == LottieItem::Kind::Group) {
            QVector<LottieDrawn> inner = listOf(item.items, here);
            // A group around one drawn thing only moves it, as the project's shapes are written:
            // turned in one group, placed by another. A third group around it is a group of
            // one member, kept as such.
            if (inner.size() == 1 && inner.constFirst().outer.size() < 2) {
                LottieDrawn only = inner.constFirst();
                only.outer.append(&item.transform);
                if (!item.name.isEmpty())
                    only.name = item.name;
                only.place = here;
                drawn.append(only);
            } else if (!inner.isEmpty()) {
                LottieDrawn group;
                group.group = true;
                group.name = item.name;
                group.place = here;
                group.transform = &item.transform;
                group.members = inner;
                drawn.append(group);
            }
        }
    }
    return drawn;
}
