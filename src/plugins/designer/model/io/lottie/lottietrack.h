// SPDX-License-Identifier: MIT
#ifndef LOTTIETRACK_H
#define LOTTIETRACK_H

#include "model/project/zenubeasing.h"

#include <QPointF>
#include <QVector>

#include <functional>

class ZenubJsonWriter;

/*! One key of a Lottie property: its frame, its value and how the value goes on to the next key. */
struct LottieKey
{
    double frame = 0;
    QVector<double> value;
    /*! The value stays until the next key's frame. */
    bool hold = false;
    /*! The timing curve to the next key (per dimension when the file gives one per dimension). */
    QVector<ZenubEasing> easing = linear();
    /*! A position's way through space to the next key: tangents relative to the two values. */
    QVector<double> spatialOut;
    QVector<double> spatialIn;

    const ZenubEasing& easingOf(int dimension) const
    {
        return easing.at(dimension < easing.size() ? dimension : 0);
    }
    bool hasSpatialTangents() const;
    /*! One linear curve, shared: keys are made by the hundred thousand. */
    static QVector<ZenubEasing> linear();
};

/*!
    A property as Lottie animates it: one still value, or keys in frame order. Between two keys
    the value follows the first key's timing curve (or holds); before the first and after the
    last it holds. The exporter builds one per animated property of the drawing, the importer
    reads them and asks for their values at each frame.
*/
class LottieTrack
{
public:
    LottieTrack() = default;
    explicit LottieTrack(const QVector<double>& still);
    /*!
        The still track of whole numbers \a Values, made once: the defaults of every item read,
        whose copies share it and allocate nothing.
    */
    template<int... Values>
    static const LottieTrack& still()
    {
        static const LottieTrack track(QVector<double>{double(Values)...});
        return track;
    }

    bool isAnimated() const { return m_keys.size() > 1; }
    const QVector<LottieKey>& keys() const { return m_keys; }
    /*! Adds \a key after the others (keys come in frame order). */
    void append(const LottieKey& key) { m_keys.append(key); }
    int dimensions() const { return m_keys.isEmpty() ? 0 : m_keys.constFirst().value.size(); }
    /*! The first key's value: the value of a still property. */
    QVector<double> first() const;

    QVector<double> valueAt(double frame) const;
    /*! The first value at \a frame, the same as valueAt()'s, without making a list. */
    double scalarAt(double frame) const;
    /*! The first two values at \a frame as a point, the same as valueAt()'s. */
    QPointF pointAt(double frame) const;

    /*! The same keys and timing with each value mapped by \a map (exact for maps that are affine).
     */
    LottieTrack mapped(const std::function<QVector<double>(const QVector<double>&)>& map) const;
    /*! Every key moved by \a frames. */
    LottieTrack shifted(double frames) const;
    /*!
        The values \a combine gives for the two tracks' values: with the same keys when at most
        one is animated, or when both have keys on the same frames with the same timing and
        \a affine says the combination is affine; otherwise a key on every whole frame from the
        first key to the last, which is exact at every frame drawn.
    */
    static LottieTrack
    combined(const LottieTrack& a, const LottieTrack& b,
             const std::function<QVector<double>(const QVector<double>&, const QVector<double>&)>&
                 combine,
             bool affine);

    /*! Still when every key has the same value: there is nothing to animate. */
    LottieTrack simplified() const;
    /*!
        A key on every whole frame from \a first to \a last with the value \a valueAt gives
        there, going on linearly, or holding where \a mixes says two values do not mix: exact
        at every frame drawn, for values a player cannot mix as we do.
    */
    static LottieTrack sampled(double first, double last, double offset,
                               const std::function<QVector<double>(double)>& valueAt,
                               const std::function<bool(double, double)>& mixes = nullptr);

    /*! {"a": 0, "k": value} or {"a": 1, "k": [keys]}; \a scalar writes one number for 1 value. */
    void write(ZenubJsonWriter& out, bool scalar) const;
    /*! The same, with each value written by \a value (in a list of its own in a key). */
    void
    writeWith(ZenubJsonWriter& out,
              const std::function<void(ZenubJsonWriter&, const QVector<double>&)>& value) const;

private:
    /*!
        The key \a frame is at or after; \a to is the next key and \a t the part of the way to
        it, or null where the value holds.
    */
    const LottieKey& segment(double frame, const LottieKey** to, double* t) const;
    void
    writeKeys(ZenubJsonWriter& out,
              const std::function<void(ZenubJsonWriter&, const QVector<double>&)>& value) const;

    QVector<LottieKey> m_keys;
};

#endif
