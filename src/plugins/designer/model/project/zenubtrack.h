// SPDX-License-Identifier: MIT
#ifndef ZENUBTRACK_H
#define ZENUBTRACK_H

#include "zenubeasing.h"
#include "zenubinterpolation.h"

#include <QVector>

#include <algorithm>

/*! One keyframe of a track: its frame, its value and how the value travels to the next. */
template<typename T>
struct ZenubKey
{
    int frame = 0;
    T value = T();
    ZenubEasing easing;

    bool operator==(const ZenubKey& other) const
    {
        return frame == other.frame && ZenubInterpolation::same(value, other.value) &&
               easing == other.easing;
    }
    bool operator!=(const ZenubKey& other) const { return !(*this == other); }
};

/*!
    The values of one property of a shape over time: keys in frame order, each on its own
    frame. Between two keys the value travels along the first one's easing; before the first
    and after the last it holds. A track without keys holds one value at every frame, as does a
    track with one key; with two or more it is animated.

    Once a track has keys it keeps at least one: the value lives in its keys from then on.
*/
template<typename T>
class ZenubTrack
{
public:
    using Key = ZenubKey<T>;

    ZenubTrack() = default;
    explicit ZenubTrack(const T& value)
        : m_value(value)
    {}

    const QVector<Key>& keys() const { return m_keys; }
    bool isKeyed() const { return !m_keys.isEmpty(); }
    bool isAnimated() const { return m_keys.size() > 1; }

    /*! The value of a still track (of an animated one: its first key's). */
    const T& value() const { return m_keys.isEmpty() ? m_value : m_keys.constFirst().value; }
    /*! Makes the track still with \a value; a keyed track keeps its first key for it. */
    void setValue(const T& value)
    {
        if (m_keys.isEmpty()) {
            m_value = value;
            return;
        }
        m_keys.resize(1);
        m_keys.first().value = value;
    }

    T valueAt(double frame) const
    {
        if (m_keys.isEmpty())
            return m_value;
        if (frame <= m_keys.constFirst().frame)
            return m_keys.constFirst().value;
        if (frame >= m_keys.constLast().frame)
            return m_keys.constLast().value;
        const auto next =
            std::upper_bound(m_keys.cbegin(), m_keys.cend(), frame,
                             [](double at, const Key& key) { return at < key.frame; });
        const Key& from = *(next - 1);
        const double t = (frame - from.frame) / double(next->frame - from.frame);
        return ZenubInterpolation::mix(from.value, next->value, from.easing.valueFor(t));
    }

    /*! The index of the key on \a frame, or -1. */
    int indexOf(int frame) const
    {
        const auto at = lowerBound(frame);
        return at != m_keys.cend() && at->frame == frame ? int(at - m_keys.cbegin()) : -1;
    }
    const Key* keyAt(int frame) const
    {
        const int index = indexOf(frame);
        return index < 0 ? nullptr : &m_keys.at(index);
    }

    /*! Inserts \a key in frame order, replacing one already on its frame. */
    void setKey(const Key& key)
    {
        const int at = int(lowerBound(key.frame) - m_keys.cbegin());
        if (at < m_keys.size() && m_keys.at(at).frame == key.frame)
            m_keys[at] = key;
        else
            m_keys.insert(at, key);
    }
    /*!
        Keys \a value on \a frame. A key already there keeps its easing; a new one continues
        the curve it splits (before the first key: the first key's).
    */
    void setKey(int frame, const T& value) { setKey(Key{frame, value, easingAt(frame)}); }
    /*!
        The easing a key on \a frame has or would take: its own, else that of the curve it
        splits (before the first key: the first key's; without keys: linear).
    */
    ZenubEasing easingAt(int frame) const
    {
        const int at = int(lowerBound(frame) - m_keys.cbegin());
        if (at < m_keys.size() && m_keys.at(at).frame == frame)
            return m_keys.at(at).easing;
        return m_keys.isEmpty() ? ZenubEasing() : m_keys.at(std::max(0, at - 1)).easing;
    }
    /*! Removes the key on \a frame, unless it is the last one. */
    bool removeKey(int frame)
    {
        const int index = indexOf(frame);
        if (index < 0 || m_keys.size() < 2)
            return false;
        m_keys.removeAt(index);
        return true;
    }
    bool setEasing(int frame, const ZenubEasing& easing)
    {
        const int index = indexOf(frame);
        if (index < 0 || m_keys.at(index).easing == easing)
            return false;
        m_keys[index].easing = easing;
        return true;
    }
    /*!
        Moves the keys on \a frames by \a delta: all of them leave before any arrives, and one
        arriving replaces a key that stays there. Frames without a key are ignored. The list is
        rebuilt once, however many keys move.
    */
    bool moveKeys(QVector<int> frames, int delta)
    {
        sortUnique(frames);
        QVector<Key> staying;
        QVector<Key> moving;
        staying.reserve(m_keys.size());
        int next = 0;
        for (const Key& key : qAsConst(m_keys)) {
            while (next < frames.size() && frames.at(next) < key.frame)
                ++next;
            if (next < frames.size() && frames.at(next) == key.frame)
                moving.append(Key{key.frame + delta, key.value, key.easing});
            else
                staying.append(key);
        }
        if (moving.isEmpty())
            return false;
        m_keys = merged(staying, moving);
        return delta != 0;
    }
    /*!
        Removes the keys on \a frames at once; when none would be left, the last of them
        stays, so that the value is kept.
    */
    bool removeKeys(QVector<int> frames)
    {
        sortUnique(frames);
        QVector<Key> kept;
        kept.reserve(m_keys.size());
        int next = 0;
        const Key* lastRemoved = nullptr;
        for (const Key& key : qAsConst(m_keys)) {
            while (next < frames.size() && frames.at(next) < key.frame)
                ++next;
            if (next < frames.size() && frames.at(next) == key.frame)
                lastRemoved = &key;
            else
                kept.append(key);
        }
        if (!lastRemoved)
            return false;
        if (kept.isEmpty())
            kept.append(*lastRemoved);
        if (kept.size() == m_keys.size())
            return false;
        m_keys = kept;
        return true;
    }
    /*! Puts \a keys in at once; of two on one frame the later of \a keys wins. */
    void setKeys(QVector<Key> keys)
    {
        std::stable_sort(keys.begin(), keys.end(),
                         [](const Key& a, const Key& b) { return a.frame < b.frame; });
        // Of equal frames the last one given stays.
        QVector<Key> arriving;
        arriving.reserve(keys.size());
        for (const Key& key : qAsConst(keys)) {
            if (!arriving.isEmpty() && arriving.constLast().frame == key.frame)
                arriving.last() = key;
            else
                arriving.append(key);
        }
        m_keys = merged(m_keys, arriving);
    }

    /*!
        The one edit rule at \a frame: a still track takes \a value; an animated one, or a still
        one edited with \a autoKey away from its key, gets \a value keyed on \a frame. A track
        without keys that Auto-Key animates keeps its old value in a key on \a homeFrame.
    */
    void edit(int frame, int homeFrame, bool autoKey, const T& value)
    {
        if (m_keys.isEmpty()) {
            if (autoKey && frame != homeFrame) {
                setKey(homeFrame, m_value);
                setKey(frame, value);
            } else {
                m_value = value;
            }
        } else if (isAnimated() || (autoKey && m_keys.constFirst().frame != frame)) {
            setKey(frame, value);
        } else {
            m_keys.first().value = value;
        }
    }

    /*! Replaces the still value and every key's value by \a map of it. */
    template<typename Map>
    void mapValues(Map map)
    {
        m_value = map(m_value);
        for (Key& key : m_keys)
            key.value = map(key.value);
    }

    bool operator==(const ZenubTrack& other) const
    {
        return m_keys == other.m_keys &&
               (!m_keys.isEmpty() || ZenubInterpolation::same(m_value, other.m_value));
    }
    bool operator!=(const ZenubTrack& other) const { return !(*this == other); }

private:
    static void sortUnique(QVector<int>& frames)
    {
        std::sort(frames.begin(), frames.end());
        frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
    }
    /*! Two lists in frame order as one; on a frame both have, \a over's key wins. */
    static QVector<Key> merged(const QVector<Key>& under, const QVector<Key>& over)
    {
        QVector<Key> result;
        result.reserve(under.size() + over.size());
        int i = 0;
        int j = 0;
        while (i < under.size() || j < over.size()) {
            if (j == over.size() || (i < under.size() && under.at(i).frame < over.at(j).frame)) {
                result.append(under.at(i++));
            } else {
                if (i < under.size() && under.at(i).frame == over.at(j).frame)
                    ++i;
                result.append(over.at(j++));
            }
        }
        return result;
    }

    typename QVector<Key>::const_iterator lowerBound(int frame) const
    {
        return std::lower_bound(m_keys.cbegin(), m_keys.cend(), frame,
                                [](const Key& key, int at) { return key.frame < at; });
    }

    T m_value = T();
    QVector<Key> m_keys;
};

#endif
