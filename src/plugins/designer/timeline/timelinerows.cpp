// SPDX-License-Identifier: MIT
#include "timelinerows.h"

#include "easingmenu.h"
#include "model/edits/keyframeedits.h"
#include "timelineview.h"

#include "model/project/zenubscene.h"

#include <QStringList>

#include <algorithm>

namespace {

const ZenubShape& shapeOf(const ZenubScene& scene, const TimelineRows::Row& row)
{
    return scene.getLayers().at(row.layer).getShapes().at(row.shape);
}

} // namespace

void TimelineRows::build(const ZenubScene* scene, const Expanded& expanded)
{
    m_rows.clear();
    if (!scene)
        return;
    // Top layers first, as they are drawn on top.
    for (int layer = scene->getLayers().size() - 1; layer >= 0; --layer) {
        m_rows.append(Row{layer, -1});
        const QVector<ZenubShape>& shapes = scene->getLayers().at(layer).getShapes();
        for (int shape = shapes.size() - 1; shape >= 0; --shape) {
            m_rows.append(Row{layer, shape});
            if (!expanded.contains(qMakePair(layer, shape)))
                continue;
            shapes.at(shape).tracks().forEach([&](ZenubProperty property, const auto& track) {
                if (track.isKeyed())
                    m_rows.append(Row{layer, shape, int(property)});
            });
        }
    }
}

int TimelineRows::indexOf(int layer, int shape, int property) const
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows.at(i).layer == layer && m_rows.at(i).shape == shape &&
            m_rows.at(i).property == property)
            return i;
    return -1;
}

bool TimelineRows::isExpandable(const ZenubScene& scene, const Row& row)
{
    return row.shape >= 0 && !row.isProperty() &&
           !shapeOf(scene, row).tracks().keyFrames().isEmpty();
}

QVector<int> TimelineRows::framesIn(const ZenubScene& scene, const Row& row, int first, int last)
{
    QVector<int> result;
    if (first > last)
        return result;
    if (row.isProperty()) {
        shapeOf(scene, row).tracks().visit(ZenubProperty(row.property), [&](const auto& track) {
            const auto& keys = track.keys();
            auto it =
                std::lower_bound(keys.cbegin(), keys.cend(), first,
                                 [](const auto& key, int frame) { return key.frame < frame; });
            for (; it != keys.cend() && it->frame <= last; ++it)
                result.append(it->frame);
        });
        return result;
    }
    const QVector<ZenubShape>& shapes = scene.getLayers().at(row.layer).getShapes();
    for (int shape = 0; shape < shapes.size(); ++shape)
        if (row.shape < 0 || shape == row.shape)
            result += shapes.at(shape).tracks().keyFramesIn(first, last);
    // A layer's row merges its shapes' frames.
    if (row.shape < 0) {
        std::sort(result.begin(), result.end());
        result.erase(std::unique(result.begin(), result.end()), result.end());
    }
    return result;
}

KeyframeRefs TimelineRows::refsAt(const ZenubScene& scene, const Row& row, int frame)
{
    KeyframeRefs refs;
    if (row.isProperty()) {
        if (shapeOf(scene, row).tracks().hasKey(ZenubProperty(row.property), frame))
            refs.append(KeyframeRef{row.layer, row.shape, frame, row.property});
        return refs;
    }
    const int shapes = scene.getLayers().at(row.layer).getShapes().size();
    for (int shape = 0; shape < shapes; ++shape)
        if (row.shape < 0 || shape == row.shape)
            refs.append(KeyframeRef{row.layer, shape, frame});
    return KeyframeEdits::existing(scene, refs);
}

bool TimelineRows::isAnimated(const ZenubScene& scene, const Row& row)
{
    if (row.shape < 0)
        return false;
    if (!row.isProperty())
        return shapeOf(scene, row).isAnimated();
    return shapeOf(scene, row).tracks().visit(ZenubProperty(row.property), [](const auto& track) {
        return track.isAnimated();
    });
}

QString TimelineRows::title(const ZenubScene& scene, const Row& row)
{
    const ZenubLayer& layer = scene.getLayers().at(row.layer);
    if (row.isProperty())
        return ZenubProperties::displayName(ZenubProperty(row.property));
    if (row.shape >= 0)
        return layer.getShapes().at(row.shape).getName();
    if (!layer.isVisible())
        return TimelineView::tr("%1 (hidden)").arg(layer.getName());
    if (layer.isLocked())
        return TimelineView::tr("%1 (locked)").arg(layer.getName());
    return layer.getName();
}

QString TimelineRows::motionHint(const ZenubScene& scene, const Row& row)
{
    if (row.shape < 0 || row.isProperty())
        return QString();
    const ZenubShape& shape = scene.getLayers().at(row.layer).getShapes().at(row.shape);
    if (!shape.isAnimated())
        return TimelineView::tr("Static: its one keyframe holds for the whole scene");
    QStringList animated;
    shape.tracks().forEach([&animated](ZenubProperty property, const auto& track) {
        if (track.isAnimated())
            animated.append(ZenubProperties::displayName(property));
    });
    return TimelineView::tr("Animated: %1").arg(animated.join(QStringLiteral(", ")));
}

QString TimelineRows::keyframeHint(const ZenubScene& scene, const KeyframeRef& ref)
{
    QStringList keys;
    for (const KeyframeRef& key : KeyframeEdits::expanded(scene, {ref})) {
        const ZenubEasing easing = KeyframeEdits::easingOf(scene, key);
        keys.append(TimelineView::tr("%1 (%2)").arg(
            ZenubProperties::displayName(key.getProperty()),
            EasingMenu::displayName(easing.getType()).remove(QLatin1Char('&'))));
    }
    return keys.isEmpty() ? QString()
                          : TimelineView::tr("Frame %1: %2")
                                .arg(ref.frame)
                                .arg(keys.join(QStringLiteral(", ")));
}
