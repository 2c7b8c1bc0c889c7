// SPDX-License-Identifier: MIT
#include "keyframeedits.h"

#include "model/project/zenubscene.h"

#include <QMap>

#include <algorithm>

namespace {

const ZenubShape* shapeOf(const ZenubScene& scene, int layer, int shape)
{
    if (layer < 0 || layer >= scene.getLayers().size())
        return nullptr;
    const QVector<ZenubShape>& shapes = scene.getLayers().at(layer).getShapes();
    return shape >= 0 && shape < shapes.size() ? &shapes.at(shape) : nullptr;
}

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

bool exists(const ZenubScene& scene, const KeyframeRef& ref)
{
    const ZenubShape* shape = shapeOf(scene, ref.layer, ref.shape);
    if (!shape)
        return false;
    if (!ref.isWhole())
        return ref.property >= 0 && ref.property < ZenubProperties::all().size() &&
               shape->tracks().hasKey(ref.getProperty(), ref.frame);
    return std::any_of(
        ZenubProperties::all().cbegin(), ZenubProperties::all().cend(),
        [&](ZenubProperty property) { return shape->tracks().hasKey(property, ref.frame); });
}

ZenubEasing easingOf(const ZenubScene& scene, const KeyframeRef& ref)
{
    const KeyframeRefs keys = expanded(scene, {ref});
    if (keys.isEmpty())
        return ZenubEasing();
    const KeyframeRef& first = keys.constFirst();
    return shapeOf(scene, first.layer, first.shape)
        ->tracks()
        .easing(first.getProperty(), first.frame);
}

bool isEased(const ZenubScene& scene, const KeyframeRef& ref)
{
    const KeyframeRefs keys = expanded(scene, {ref});
    return std::any_of(keys.cbegin(), keys.cend(), [&scene](const KeyframeRef& key) {
        return shapeOf(scene, key.layer, key.shape)
                   ->tracks()
                   .easing(key.getProperty(), key.frame)
                   .getType() != ZenubEasing::Type::Linear;
    });
}

KeyframeRefs existing(const ZenubScene& scene, const KeyframeRefs& refs)
{
    KeyframeRefs result;
    for (const KeyframeRef& ref : refs)
        if (exists(scene, ref))
            result.append(ref);
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

KeyframeRefs expanded(const ZenubScene& scene, const KeyframeRefs& refs)
{
    KeyframeRefs result;
    for (const KeyframeRef& ref : refs) {
        if (!ref.isWhole()) {
            result.append(ref);
            continue;
        }
        const ZenubShape* shape = shapeOf(scene, ref.layer, ref.shape);
        for (const ZenubProperty property : ZenubProperties::all())
            if (shape && shape->tracks().hasKey(property, ref.frame))
                result.append(KeyframeRef::of(ref.layer, ref.shape, property, ref.frame));
    }
    return existing(scene, result);
}

KeyframeRefs whole(const KeyframeRefs& refs)
{
    KeyframeRefs result;
    for (const KeyframeRef& ref : refs)
        result.append(KeyframeRef{ref.layer, ref.shape, ref.frame});
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

KeyframeRefs all(const ZenubScene& scene)
{
    KeyframeRefs result;
    for (int layer = 0; layer < scene.getLayers().size(); ++layer) {
        const QVector<ZenubShape>& shapes = scene.getLayers().at(layer).getShapes();
        for (int shape = 0; shape < shapes.size(); ++shape)
            for (const int frame : shapes.at(shape).tracks().keyFrames())
                result.append(KeyframeRef{layer, shape, frame});
    }
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
    // Each track moves its keyframes at once, so that one moving onto the old frame of another
    // moving one does not replace it.
    QMap<KeyframeRef, QVector<int>> frames;
    for (const KeyframeRef& key : expanded(scene, valid))
        frames[KeyframeRef{key.layer, key.shape, -1, key.property}].append(key.frame);
    for (auto track = frames.cbegin(); track != frames.cend(); ++track) {
        const KeyframeRef& at = track.key();
        shapeOf(scene, at.layer, at.shape)->tracks().moveKeys(at.getProperty(), *track, delta);
    }
    if (moved) {
        KeyframeRefs result = valid;
        for (KeyframeRef& ref : result)
            ref.frame += delta;
        *moved = result;
    }
    return true;
}

bool remove(ZenubScene& scene, const KeyframeRefs& refs)
{
    // Each track loses its keyframes at once: one at a time, each would move the rest.
    QMap<KeyframeRef, QVector<int>> frames;
    for (const KeyframeRef& key : expanded(scene, refs))
        frames[KeyframeRef{key.layer, key.shape, -1, key.property}].append(key.frame);
    bool bChanged = false;
    for (auto track = frames.cbegin(); track != frames.cend(); ++track) {
        const KeyframeRef& at = track.key();
        bChanged =
            shapeOf(scene, at.layer, at.shape)->tracks().removeKeys(at.getProperty(), *track) ||
            bChanged;
    }
    return bChanged;
}

bool setEasing(ZenubScene& scene, const KeyframeRefs& refs, const ZenubEasing& easing)
{
    bool bChanged = false;
    for (const KeyframeRef& key : expanded(scene, refs))
        bChanged = shapeOf(scene, key.layer, key.shape)
                       ->tracks()
                       .setEasing(key.getProperty(), key.frame, easing) ||
                   bChanged;
    return bChanged;
}

KeyframeClip copy(const ZenubScene& scene, const KeyframeRefs& refs, int frameRate)
{
    KeyframeClip clip;
    clip.frameRate = frameRate;
    const KeyframeRefs keys = expanded(scene, refs);
    if (keys.isEmpty())
        return clip;
    const int first =
        std::min_element(keys.cbegin(), keys.cend(), [](const auto& a, const auto& b) {
            return a.frame < b.frame;
        })->frame;
    for (const KeyframeRef& key : keys) {
        const ZenubShapeTracks& tracks = shapeOf(scene, key.layer, key.shape)->tracks();
        clip.entries.append({key.layer, key.shape, key.getProperty(), key.frame - first,
                             tracks.keyValue(key.getProperty(), key.frame),
                             tracks.easing(key.getProperty(), key.frame)});
    }
    return clip;
}

bool paste(ZenubScene& scene, const KeyframeClip& clip, int frame, int frameRate,
           const KeyframeRefs& targets, KeyframeRefs* pasted, int* outside)
{
    // Times stay as they were: at twice the frame rate a keyframe lies twice as many frames on.
    const double scale =
        clip.frameRate > 0 && frameRate > 0 ? double(frameRate) / clip.frameRate : 1.0;
    KeyframeRefs result;
    // Counted as the time line shows them: one per shape and frame.
    KeyframeRefs left;
    QMap<KeyframeRef, QVector<std::tuple<int, QVariant, ZenubEasing>>> arriving;
    const bool bRetarget = clip.isSingleShape() && !targets.isEmpty();
    for (const KeyframeClip::Entry& entry : clip.entries) {
        const int at = frame + qRound(entry.frame * scale);
        if (frame < 0 || at > lastFrame(scene)) {
            left.append(KeyframeRef{entry.layer, entry.shape, entry.frame});
            continue;
        }
        KeyframeRefs shapes;
        if (bRetarget)
            shapes = targets;
        else
            shapes.append(KeyframeRef{entry.layer, entry.shape});
        for (const KeyframeRef& target : shapes) {
            if (shapeOf(scene, target.layer, target.shape))
                arriving[KeyframeRef::of(target.layer, target.shape, entry.property, -1)].append(
                    std::make_tuple(at, entry.value, entry.easing));
        }
    }
    // Each track takes what arrives on it at once.
    for (auto track = arriving.cbegin(); track != arriving.cend(); ++track) {
        const KeyframeRef& to = track.key();
        if (shapeOf(scene, to.layer, to.shape)->tracks().setKeys(to.getProperty(), *track) == 0)
            continue;
        for (const auto& key : *track)
            result.append(KeyframeRef::of(to.layer, to.shape, to.getProperty(), std::get<0>(key)));
    }
    if (pasted)
        *pasted = result;
    if (outside)
        *outside = whole(left).size();
    return !result.isEmpty();
}

} // namespace KeyframeEdits
