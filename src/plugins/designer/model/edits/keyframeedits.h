// SPDX-License-Identifier: MIT
#ifndef KEYFRAMEEDITS_H
#define KEYFRAMEEDITS_H

#include "keyframeref.h"

#include "model/project/zenubkeyframe.h"

class ZenubScene;

/*! Copied keyframes, their frames counted from the earliest of them. */
struct KeyframeClip
{
    struct Entry
    {
        int layer = -1;
        int shape = -1;
        ZenubKeyframe keyframe;
    };
    QVector<Entry> entries;
    bool isEmpty() const { return entries.isEmpty(); }
    /*! Whether every keyframe came from the same shape, so it may go to any other. */
    bool isSingleShape() const;
};

/*!
    The keyframe edits of the time line as plain functions on a scene, so that each runs inside
    one DesignerDocument::editProject() call. Each returns false when it changes nothing.
*/
namespace KeyframeEdits {

/*! The keyframe \a ref names, or null. */
const ZenubKeyframe* find(const ZenubScene& scene, const KeyframeRef& ref);

/*! Keeps only the references that name a keyframe of \a scene, sorted and without repeats. */
KeyframeRefs existing(const ZenubScene& scene, const KeyframeRefs& refs);

/*! \a delta narrowed so that every keyframe of \a refs stays inside the scene. */
int clampDelta(const ZenubScene& scene, const KeyframeRefs& refs, int delta);

/*!
    Moves the keyframes by \a delta frames (narrowed by clampDelta()); a moved keyframe takes the
    place of one already at its new frame. \a moved receives where they went.
*/
bool move(ZenubScene& scene, const KeyframeRefs& refs, int delta, KeyframeRefs* moved = nullptr);

/*! Removes the keyframes, but never a shape's last one: a shape without keyframes is lost. */
bool remove(ZenubScene& scene, const KeyframeRefs& refs);

bool setEasing(ZenubScene& scene, const KeyframeRefs& refs, const ZenubEasing& easing);

KeyframeClip copy(const ZenubScene& scene, const KeyframeRefs& refs);

/*!
    Puts the clip's keyframes at \a frame on: the shapes of \a targets (frames ignored) when the
   clip holds one shape's keyframes and \a targets is not empty, else the shapes they were copied
   from. Keyframes that would fall after the scene's end or on a missing shape are left out. \a
   pasted receives what arrived.
*/
bool paste(ZenubScene& scene, const KeyframeClip& clip, int frame, const KeyframeRefs& targets,
           KeyframeRefs* pasted = nullptr);

} // namespace KeyframeEdits

#endif
