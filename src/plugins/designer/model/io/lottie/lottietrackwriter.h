// SPDX-License-Identifier: MIT
#ifndef LOTTIETRACKWRITER_H
#define LOTTIETRACKWRITER_H

#include "lottietrack.h"
#include "model/project/zenubshapetracks.h"

/*!
    A property's track of the project as a Lottie property: each key on its frame of the
    animation with its own easing (the Bézier tangents of the curve), a hold as a hold key. Where
    two keys' values do not mix (paints of two kinds, outlines of other node counts) the first
    holds until the second, as the editor draws it.
*/
class LottieTrackWriter
{
public:
    /*! \a track with its frames from \a start and each value as \a values gives its numbers. */
    template<typename T, typename Values>
    static LottieTrack of(const ZenubTrack<T>& track, double start, Values values)
    {
        return of(track, start, values, [](const T&, const T&) { return true; });
    }
    /*! The same, holding between two keys whose values \a mixes says do not mix. */
    template<typename T, typename Values, typename Mixes>
    static LottieTrack of(const ZenubTrack<T>& track, double start, Values values, Mixes mixes)
    {
        return only(
            track, start, values, [](const T&) { return true; }, mixes);
    }
    /*!
        The keys whose value \a belongs, each holding when the next key does not belong or does
        not mix with it: the values of one of several items that show in turn.
    */
    template<typename T, typename Values, typename Belongs, typename Mixes>
    static LottieTrack only(const ZenubTrack<T>& track, double start, Values values,
                            Belongs belongs, Mixes mixes)
    {
        if (!track.isAnimated())
            return LottieTrack(values(track.value()));
        LottieTrack result;
        const auto& keys = track.keys();
        for (int i = 0; i < keys.size(); ++i) {
            if (!belongs(keys.at(i).value))
                continue;
            LottieKey key;
            key.frame = start + keys.at(i).frame;
            key.value = values(keys.at(i).value);
            key.easing = {keys.at(i).easing};
            key.hold = keys.at(i).easing.isHold() ||
                       (i + 1 < keys.size() && (!belongs(keys.at(i + 1).value) ||
                                                !mixes(keys.at(i).value, keys.at(i + 1).value)));
            result.append(key);
        }
        return result.simplified();
    }
    /*!
        1 while the key before has a value that \a belongs, else 0, by hold keys: whether one of
        several items shows.
    */
    template<typename T, typename Belongs>
    static LottieTrack shown(const ZenubTrack<T>& track, double start, Belongs belongs)
    {
        if (!track.isAnimated())
            return LottieTrack({belongs(track.value()) ? 1.0 : 0.0});
        LottieTrack result;
        for (const auto& key : track.keys()) {
            LottieKey shownKey;
            shownKey.frame = start + key.frame;
            shownKey.value = {belongs(key.value) ? 1.0 : 0.0};
            shownKey.hold = true;
            result.append(shownKey);
        }
        return result.simplified();
    }
    /*! The frames from the first key to the last of those of \a properties that animate. */
    static void span(const ZenubShapeTracks& tracks, const QVector<ZenubProperty>& properties,
                     int* first, int* last)
    {
        *first = 0;
        *last = -1;
        for (const ZenubProperty property : properties) {
            const QVector<int> frames = tracks.keyFrames(property);
            if (frames.size() < 2)
                continue;
            *first = *last < *first ? frames.constFirst() : std::min(*first, frames.constFirst());
            *last = std::max(*last, frames.constLast());
        }
        if (*last < *first)
            *first = *last = 0;
    }
    /*!
        A whole number, which players round by rules of their own between keys: hold keys on
        every frame where the editor's value changes.
    */
    static LottieTrack steps(const ZenubTrack<int>& track, double start)
    {
        if (!track.isAnimated())
            return LottieTrack({double(track.value())});
        return LottieTrack::sampled(
            track.keys().constFirst().frame, track.keys().constLast().frame, start,
            [&track](double frame) { return QVector<double>{double(track.valueAt(frame))}; },
            [](double, double) { return false; });
    }
};

#endif
