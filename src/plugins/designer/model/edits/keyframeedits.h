// SPDX-License-Identifier: MIT
#ifndef KEYFRAMEEDITS_H
#define KEYFRAMEEDITS_H

#include "keyframeref.h"

#include "model/project/zenubeasing.h"

#include <QVariant>

class ZenubScene;

/*! Copied keyframes, their frames counted from the earliest of them. */
struct KeyframeClip
{
    struct Entry
    {
        int layer = -1;
        int shape = -1;
        ZenubProperty property = ZenubProperty::Position;
        int frame = 0;
        QVariant value;
        ZenubEasing easing;
    };
    QVector<Entry> entries;
    /*! The frame rate of the project they came from; 0 when unknown. */
    int frameRate = 0;
    bool isEmpty() const { return entries.isEmpty(); }
    /*! Whether every keyframe came from the same shape, so it may go to any other. */
    bool isSingleShape() const;
};

/*!
    The keyframe edits of the time line as plain functions on a scene, so that each runs inside
    one DesignerDocument::editProject() call. Each works on the keyframes of single properties
    and on whole references (every keyframe of a shape on a frame) alike, and returns false
    when it changes nothing.
*/
namespace KeyframeEdits {

/*! Whether \a ref names a keyframe of \a scene (a whole one: any of the shape's on its frame). */
bool exists(const ZenubScene& scene, const KeyframeRef& ref);
/*! The easing of the keyframe; for a whole reference, that of its first property's keyframe. */
ZenubEasing easingOf(const ZenubScene& scene, const KeyframeRef& ref);
/*! Whether any keyframe \a ref names has an easing other than linear. */
bool isEased(const ZenubScene& scene, const KeyframeRef& ref);

/*! Keeps only the references that name a keyframe of \a scene, sorted and without repeats. */
KeyframeRefs existing(const ZenubScene& scene, const KeyframeRefs& refs);
/*! Each whole reference replaced by one for each property keyed on its frame. */
KeyframeRefs expanded(const ZenubScene& scene, const KeyframeRefs& refs);
/*! Each reference as a whole one, without repeats. */
KeyframeRefs whole(const KeyframeRefs& refs);
/*! A whole reference for every frame any shape of \a scene has a keyframe on. */
KeyframeRefs all(const ZenubScene& scene);

/*! \a delta narrowed so that every keyframe of \a refs stays inside the scene. */
int clampDelta(const ZenubScene& scene, const KeyframeRefs& refs, int delta);

/*!
    Moves the keyframes by \a delta frames (narrowed by clampDelta()); a moved keyframe takes the
    place of one already at its new frame. \a moved receives where they went.
*/
bool move(ZenubScene& scene, const KeyframeRefs& refs, int delta, KeyframeRefs* moved = nullptr);

/*! Removes the keyframes, but never a track's last one: its value would be lost. */
bool remove(ZenubScene& scene, const KeyframeRefs& refs);

bool setEasing(ZenubScene& scene, const KeyframeRefs& refs, const ZenubEasing& easing);

KeyframeClip copy(const ZenubScene& scene, const KeyframeRefs& refs, int frameRate);

/*!
    Puts the clip's keyframes at \a frame on: the shapes of \a targets (frames ignored) when the
    clip holds one shape's keyframes and \a targets is not empty, else the shapes they were
    copied from. Copied at another frame rate than \a frameRate, their distances are scaled to
    keep their times. Keyframes that would fall outside the scene or on a missing shape are left
    out; \a outside receives how many fell outside. \a pasted receives what arrived.
*/
bool paste(ZenubScene& scene, const KeyframeClip& clip, int frame, int frameRate,
           const KeyframeRefs& targets, KeyframeRefs* pasted = nullptr, int* outside = nullptr);

} // namespace KeyframeEdits

#endif
