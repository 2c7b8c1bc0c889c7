// SPDX-License-Identifier: MIT
#include "keyframeedits.h"

#include "model/project/zenubscene.h"

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
    // the old frame of another moving one does not replace it.
    QVector<ZenubKeyframe> taken;
    for (const KeyframeRef& ref : valid) {
        taken.append(*find(scene, ref));
        shapeOf(scene, ref.layer, ref.shape)->removeKeyframe(ref.frame);
    }
    KeyframeRefs result;
    for (int i = 0; i < valid.size(); ++i) {
        ZenubKeyframe keyframe = taken.at(i);
        keyframe.setFrame(keyframe.getFrame() + delta);
        shapeOf(scene, valid.at(i).layer, valid.at(i).shape)->setKeyframe(keyframe);
        result.append(KeyframeRef{valid.at(i).layer, valid.at(i).shape, keyframe.getFrame()});
    }
    if (moved)
        *moved = result;
    return true;
}

bool remove(ZenubScene& scene, const KeyframeRefs& refs)
{
    bool bChanged = false;
    for (const KeyframeRef& ref : existing(scene, refs)) {
        ZenubShape* shape = shapeOf(scene, ref.layer, ref.shape);
        if (shape->getKeyframes().size() > 1)
            bChanged = shape->removeKeyframe(ref.frame) || bChanged;
    }
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
            if (ZenubShape* shape = shapeOf(scene, target.layer, target.shape)) {
                shape->setKeyframe(keyframe);
                result.append(KeyframeRef{target.layer, target.shape, keyframe.getFrame()});
            }
        }
    }
    if (pasted)
        *pasted = result;
    return !result.isEmpty();
}

} // namespace KeyframeEdits
