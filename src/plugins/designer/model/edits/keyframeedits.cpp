// SPDX-License-Identifier: MIT
#include "keyframeedits.h"

#include "model/project/zenubscene.h"

#include <QMap>
#include <QPair>

#include <algorithm>

namespace {

ZenubShape* shapeOf(ZenubScene& scene, int layer, int shape)
{
    if (layer < 0 || layer >= scene.getLayers().size())
        return nullptr;
    QVector<ZenubShape>& shapes = scene.layers()[layer].shapes();
    return shape >= 0 && shape < shapes.size() ? &shapes[shape] : nullptr;
}

int lastFrame(const ZenubScene& scene)
{
    return std::max(0, scene.getDuration() - 1);
}

// Calls \a edit once per shape with that shape's references (sorted, as existing() gives
// them): an edit of many keyframes rebuilds each shape's list once instead of moving its
// keyframes one at a time.
template<typename Edit>
void forEachShape(const KeyframeRefs& sorted, Edit edit)
{
    for (int begin = 0; begin < sorted.size();) {
        int end = begin + 1;
        while (end < sorted.size() && sorted.at(end).layer == sorted.at(begin).layer &&
               sorted.at(end).shape == sorted.at(begin).shape)
            ++end;
        edit(sorted.at(begin).layer, sorted.at(begin).shape, sorted.mid(begin, end - begin));
        begin = end;
    }
}

// \a keyframes without those on the (sorted) frames of \a refs.
QVector<ZenubKeyframe> without(const QVector<ZenubKeyframe>& keyframes, const KeyframeRefs& refs)
{
    QVector<ZenubKeyframe> kept;
    kept.reserve(keyframes.size());
    int next = 0;
    for (const ZenubKeyframe& keyframe : keyframes) {
        while (next < refs.size() && refs.at(next).frame < keyframe.getFrame())
            ++next;
        if (next < refs.size() && refs.at(next).frame == keyframe.getFrame())
            continue;
        kept.append(keyframe);
    }
    return kept;
}

} // namespace

bool KeyframeClip::isSingleShape() const
{
    return std::all_of(entries.cbegin(), entries.cend(), [this](const Entry& entry) {
        return entry.layer == entries.constFirst().layer &&
               entry.shape == entries.constFirst().shape;
    });
}

namespace KeyframeEdits {

const ZenubKeyframe* find(const ZenubScene& scene, const KeyframeRef& ref)
{
    if (ref.layer < 0 || ref.layer >= scene.getLayers().size())
        return nullptr;
    const QVector<ZenubShape>& shapes = scene.getLayers().at(ref.layer).getShapes();
    if (ref.shape < 0 || ref.shape >= shapes.size())
        return nullptr;
    // Keyframes are kept in frame order: a look-up stays quick for hundreds of thousands.
    const QVector<ZenubKeyframe>& keyframes = shapes.at(ref.shape).getKeyframes();
    const auto at = std::lower_bound(
        keyframes.cbegin(), keyframes.cend(), ref.frame,
        [](const ZenubKeyframe& keyframe, int frame) { return keyframe.getFrame() < frame; });
    return at != keyframes.cend() && at->getFrame() == ref.frame ? &*at : nullptr;
}

KeyframeRefs existing(const ZenubScene& scene, const KeyframeRefs& refs)
{
    KeyframeRefs result;
    for (const KeyframeRef& ref : refs)
        if (find(scene, ref))
            result.append(ref);
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

int clampDelta(const ZenubScene& scene, const KeyframeRefs& refs, int delta)
{
    const KeyframeRefs valid = existing(scene, refs);
    if (valid.isEmpty())
        return 0;
    const auto [first, last] = std::minmax_element(
        valid.cbegin(), valid.cend(),
        [](const KeyframeRef& a, const KeyframeRef& b) { return a.frame < b.frame; });
    // Keyframes may lie past the end of a scene that was shortened; they may still move left.
    return std::max(-first->frame, std::min(delta, std::max(0, lastFrame(scene) - last->frame)));
}

bool move(ZenubScene& scene, const KeyframeRefs& refs, int delta, KeyframeRefs* moved)
{
    const KeyframeRefs valid = existing(scene, refs);
    delta = clampDelta(scene, valid, delta);
    if (delta == 0 || valid.isEmpty())
        return false;
    // All of a shape's moving keyframes leave before any arrives, so a keyframe moving onto
    // the old frame of another moving one does not replace it; one that stays is replaced.
    KeyframeRefs result;
    forEachShape(valid, [&](int layer, int shapeIndex, const KeyframeRefs& own) {
        ZenubShape* shape = shapeOf(scene, layer, shapeIndex);
        QVector<ZenubKeyframe> keyframes = without(shape->getKeyframes(), own);
        for (const KeyframeRef& ref : own) {
            ZenubKeyframe keyframe = *find(scene, ref);
            keyframe.setFrame(keyframe.getFrame() + delta);
            keyframes.append(keyframe);
            result.append(KeyframeRef{layer, shapeIndex, keyframe.getFrame()});
        }
        shape->setKeyframes(keyframes);
    });
    if (moved)
        *moved = result;
    return true;
}

bool remove(ZenubScene& scene, const KeyframeRefs& refs)
{
    bool bChanged = false;
    forEachShape(existing(scene, refs), [&](int layer, int shapeIndex, const KeyframeRefs& own) {
        ZenubShape* shape = shapeOf(scene, layer, shapeIndex);
        QVector<ZenubKeyframe> kept = without(shape->getKeyframes(), own);
        // A shape without keyframes would be lost: the latest of those picked stays.
        if (kept.isEmpty())
            kept.append(*find(scene, own.constLast()));
        if (kept.size() == shape->getKeyframes().size())
            return;
        shape->setKeyframes(kept);
        bChanged = true;
    });
    return bChanged;
}

bool setEasing(ZenubScene& scene, const KeyframeRefs& refs, const ZenubEasing& easing)
{
    bool bChanged = false;
    for (const KeyframeRef& ref : existing(scene, refs)) {
        ZenubKeyframe keyframe = *find(scene, ref);
        if (keyframe.getEasing() == easing)
            continue;
        keyframe.setEasing(easing);
        shapeOf(scene, ref.layer, ref.shape)->setKeyframe(keyframe);
        bChanged = true;
    }
    return bChanged;
}

KeyframeClip copy(const ZenubScene& scene, const KeyframeRefs& refs)
{
    KeyframeClip clip;
    const KeyframeRefs valid = existing(scene, refs);
    if (valid.isEmpty())
        return clip;
    int first = valid.constFirst().frame;
    for (const KeyframeRef& ref : valid)
        first = std::min(first, ref.frame);
    for (const KeyframeRef& ref : valid) {
        ZenubKeyframe keyframe = *find(scene, ref);
        keyframe.setFrame(ref.frame - first);
        clip.entries.append({ref.layer, ref.shape, keyframe});
    }
    return clip;
}

bool paste(ZenubScene& scene, const KeyframeClip& clip, int frame, const KeyframeRefs& targets,
           KeyframeRefs* pasted)
{
    KeyframeRefs result;
    // What arrives on each shape, in the clip's order: of two on one frame the later stays.
    QMap<QPair<int, int>, QVector<ZenubKeyframe>> arriving;
    const bool bRetarget = clip.isSingleShape() && !targets.isEmpty();
    for (const KeyframeClip::Entry& entry : clip.entries) {
        ZenubKeyframe keyframe = entry.keyframe;
        keyframe.setFrame(frame + keyframe.getFrame());
        if (frame < 0 || keyframe.getFrame() > lastFrame(scene))
            continue;
        KeyframeRefs shapes;
        if (bRetarget)
            shapes = targets;
        else
            shapes.append(KeyframeRef{entry.layer, entry.shape, -1});
        for (const KeyframeRef& target : shapes) {
            if (shapeOf(scene, target.layer, target.shape)) {
                arriving[qMakePair(target.layer, target.shape)].append(keyframe);
                result.append(KeyframeRef{target.layer, target.shape, keyframe.getFrame()});
            }
        }
    }
    for (auto it = arriving.cbegin(); it != arriving.cend(); ++it) {
        ZenubShape* shape = shapeOf(scene, it.key().first, it.key().second);
        shape->setKeyframes(shape->getKeyframes() + it.value());
    }
    if (pasted)
        *pasted = result;
    return !result.isEmpty();
}

} // namespace KeyframeEdits
