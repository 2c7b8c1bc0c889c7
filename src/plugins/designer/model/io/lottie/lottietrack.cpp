// SPDX-License-Identifier: MIT
#include "lottietrack.h"

#include "model/io/zenub/zenubjsonwriter.h"

#include <QPointF>

#include <algorithm>
#include <cmath>

namespace {

void writeNumbers(ZenubJsonWriter& out, const QVector<double>& values)
{
    out.beginArray();
    for (const double value : values)
        out.value(value);
    out.endArray();
}

void writeTangent(ZenubJsonWriter& out, const QVector<ZenubEasing>& easing, bool leaving)
{
    out.beginObject();
    out.key("x");
    out.beginArray();
    for (const ZenubEasing& curve : easing)
        out.value(leaving ? curve.x1() : curve.x2());
    out.endArray();
    out.key("y");
    out.beginArray();
    for (const ZenubEasing& curve : easing)
        out.value(leaving ? curve.y1() : curve.y2());
    out.endArray();
    out.endObject();
}

QPointF cubic(const QPointF& p0, const QPointF& p1, const QPointF& p2, const QPointF& p3, double s)
{
    const double r = 1 - s;
    return p0 * (r * r * r) + p1 * (3 * r * r * s) + p2 * (3 * r * s * s) + p3 * (s * s * s);
}

// A point the part \a progress along a curved way, by its length (as players measure it).
QVector<double> alongCurve(const LottieKey& from, const LottieKey& to, double progress)
{
    const QPointF p0(from.value.value(0), from.value.value(1));
    const QPointF p3(to.value.value(0), to.value.value(1));
    const QPointF p1 = p0 + QPointF(from.spatialOut.value(0), from.spatialOut.value(1));
    const QPointF p2 = p3 + QPointF(from.spatialIn.value(0), from.spatialIn.value(1));
    const int steps = 150;
    QVector<double> lengths(steps + 1, 0);
    QPointF last = p0;
    for (int i = 1; i <= steps; ++i) {
        const QPointF point = cubic(p0, p1, p2, p3, double(i) / steps);
        lengths[i] = lengths[i - 1] + std::hypot(point.x() - last.x(), point.y() - last.y());
        last = point;
    }
    const double wanted = std::clamp(progress, 0.0, 1.0) * lengths[steps];
    int i = int(std::lower_bound(lengths.cbegin(), lengths.cend(), wanted) - lengths.cbegin());
    i = std::clamp(i, 1, steps);
    const double span = lengths[i] - lengths[i - 1];
    const double part = span > 0 ? (wanted - lengths[i - 1]) / span : 0;
    const QPointF point = cubic(p0, p1, p2, p3, (i - 1 + part) / steps);
    QVector<double> value = from.value;
    value[0] = point.x();
    value[1] = point.y();
    for (int d = 2; d < value.size(); ++d)
        value[d] += (to.value.value(d) - value[d]) * progress;
    return value;
}

bool sameTiming(const LottieTrack& a, const LottieTrack& b)
{
    if (a.keys().size() != b.keys().size())
        return false;
    for (int i = 0; i < a.keys().size(); ++i) {
        const LottieKey& x = a.keys().at(i);
        const LottieKey& y = b.keys().at(i);
        if (x.frame != y.frame || x.hold != y.hold || x.hasSpatialTangents() ||
            y.hasSpatialTangents())
            return false;
        for (int d = 0; d < std::max(x.easing.size(), y.easing.size()); ++d)
            if (x.easingOf(d) != y.easingOf(d))
                return false;
    }
    return true;
}

} // namespace

bool LottieKey::hasSpatialTangents() const
{
    const auto nonZero = [](const QVector<double>& values) {
        return std::any_of(values.cbegin(), values.cend(), [](double v) { return v != 0; });
    };
    return nonZero(spatialOut) || nonZero(spatialIn);
}

QVector<ZenubEasing> LottieKey::linear()
{
    static const QVector<ZenubEasing> curve{ZenubEasing()};
    return curve;
}

LottieTrack::LottieTrack(const QVector<double>& still)
{
    LottieKey key;
    key.value = still;
    m_keys.append(key);
}

QVector<double> LottieTrack::first() const
{
    return m_keys.isEmpty() ? QVector<double>() : m_keys.constFirst().value;
}

const LottieKey& LottieTrack::segment(double frame, const LottieKey** to, double* t) const
{
    *to = nullptr;
    if (m_keys.size() == 1 || frame <= m_keys.constFirst().frame)
        return m_keys.constFirst();
    if (frame >= m_keys.constLast().frame)
        return m_keys.constLast();
    const auto next =
        std::upper_bound(m_keys.cbegin(), m_keys.cend(), frame,
                         [](double at, const LottieKey& key) { return at < key.frame; });
    const LottieKey& from = *(next - 1);
    if (from.hold || next->frame <= from.frame)
        return from;
    *to = &*next;
    *t = (frame - from.frame) / (next->frame - from.frame);
    return from;
}

QVector<double> LottieTrack::valueAt(double frame) const
{
    if (m_keys.isEmpty())
        return {};
    const LottieKey* to = nullptr;
    double t = 0;
    const LottieKey& from = segment(frame, &to, &t);
    if (!to)
        return from.value;
    if (from.value.size() >= 2 && from.hasSpatialTangents())
        return alongCurve(from, *to, from.easingOf(0).valueFor(t));
    QVector<double> value = from.value;
    for (int d = 0; d < value.size(); ++d)
        value[d] += (to->value.value(d) - value[d]) * from.easingOf(d).valueFor(t);
    return value;
}

double LottieTrack::scalarAt(double frame) const
{
    if (m_keys.isEmpty())
        return 0;
    const LottieKey* to = nullptr;
    double t = 0;
    const LottieKey& from = segment(frame, &to, &t);
    if (!to || from.value.isEmpty())
        return from.value.value(0);
    if (from.value.size() >= 2 && from.hasSpatialTangents())
        return alongCurve(from, *to, from.easingOf(0).valueFor(t)).value(0);
    const double value = from.value.at(0);
    return value + (to->value.value(0) - value) * from.easingOf(0).valueFor(t);
}

QPointF LottieTrack::pointAt(double frame) const
{
    if (m_keys.isEmpty())
        return QPointF();
    const LottieKey* to = nullptr;
    double t = 0;
    const LottieKey& from = segment(frame, &to, &t);
    if (!to || from.value.isEmpty())
        return QPointF(from.value.value(0), from.value.value(1));
    if (from.value.size() >= 2 && from.hasSpatialTangents()) {
        const QVector<double> value = alongCurve(from, *to, from.easingOf(0).valueFor(t));
        return QPointF(value.at(0), value.at(1));
    }
    const auto at = [&](int d) {
        const double value = from.value.at(d);
        return value + (to->value.value(d) - value) * from.easingOf(d).valueFor(t);
    };
    return QPointF(at(0), from.value.size() >= 2 ? at(1) : 0.0);
}

LottieTrack
LottieTrack::mapped(const std::function<QVector<double>(const QVector<double>&)>& map) const
{
    LottieTrack result = *this;
    for (LottieKey& key : result.m_keys) {
        key.value = map(key.value);
        // Tangents belong to the values they leave from; a mapped way is no longer known.
        key.spatialIn.clear();
        key.spatialOut.clear();
    }
    return result;
}

LottieTrack LottieTrack::shifted(double frames) const
{
    LottieTrack result = *this;
    for (LottieKey& key : result.m_keys)
        key.frame += frames;
    return result;
}

LottieTrack LottieTrack::combined(
    const LottieTrack& a, const LottieTrack& b,
    const std::function<QVector<double>(const QVector<double>&, const QVector<double>&)>& combine,
    bool affine)
{
    if (!b.isAnimated() || (affine && sameTiming(a, b))) {
        LottieTrack result = a;
        for (int i = 0; i < result.m_keys.size(); ++i)
            result.m_keys[i].value =
                combine(a.m_keys.at(i).value, b.isAnimated() ? b.m_keys.at(i).value : b.first());
        return result.isAnimated() || b.isAnimated() ? result : LottieTrack(result.first());
    }
    if (!a.isAnimated()) {
        LottieTrack result = b;
        for (LottieKey& key : result.m_keys)
            key.value = combine(a.first(), key.value);
        return result;
    }
    const double start =
        std::floor(std::min(a.m_keys.constFirst().frame, b.m_keys.constFirst().frame));
    const double end = std::ceil(std::max(a.m_keys.constLast().frame, b.m_keys.constLast().frame));
    LottieTrack result;
    for (double frame = start; frame <= end; ++frame) {
        LottieKey key;
        key.frame = frame;
        key.value = combine(a.valueAt(frame), b.valueAt(frame));
        result.m_keys.append(key);
    }
    return result;
}

LottieTrack LottieTrack::simplified() const
{
    for (const LottieKey& key : m_keys)
        if (key.value != m_keys.constFirst().value)
            return *this;
    return m_keys.isEmpty() ? *this : LottieTrack(first());
}

LottieTrack LottieTrack::sampled(double first, double last, double offset,
                                 const std::function<QVector<double>(double)>& valueAt,
                                 const std::function<bool(double, double)>& mixes)
{
    LottieTrack result;
    for (double frame = std::floor(first); frame <= last; ++frame) {
        LottieKey key;
        key.frame = frame + offset;
        key.value = valueAt(frame);
        key.hold = mixes && !mixes(frame, frame + 1);
        // A hold key goes on to the next with its value: keys repeating it say nothing, but
        // for the last, where the track's own last key is.
        if (!result.m_keys.isEmpty() && result.m_keys.constLast().hold &&
            result.m_keys.constLast().value == key.value && frame + 1 <= last)
            continue;
        result.m_keys.append(key);
    }
    return result.simplified();
}

void LottieTrack::write(ZenubJsonWriter& out, bool scalar) const
{
    if (isAnimated()) {
        // A key's value is always a list, a single number too.
        writeKeys(out, writeNumbers);
        return;
    }
    out.beginObject();
    out.member("a", 0);
    out.key("k");
    const QVector<double> value = first();
    if (scalar && value.size() == 1)
        out.value(value.constFirst());
    else
        writeNumbers(out, value);
    out.endObject();
}

void LottieTrack::writeWith(
    ZenubJsonWriter& out,
    const std::function<void(ZenubJsonWriter&, const QVector<double>&)>& value) const
{
    if (isAnimated()) {
        writeKeys(out, [&value](ZenubJsonWriter& keyOut, const QVector<double>& values) {
            keyOut.beginArray();
            value(keyOut, values);
            keyOut.endArray();
        });
        return;
    }
    out.beginObject();
    out.member("a", 0);
    out.key("k");
    value(out, first());
    out.endObject();
}

void LottieTrack::writeKeys(
    ZenubJsonWriter& out,
    const std::function<void(ZenubJsonWriter&, const QVector<double>&)>& value) const
{
    out.beginObject();
    out.member("a", 1);
    out.key("k");
    out.beginArray();
    for (int i = 0; i < m_keys.size(); ++i) {
        const LottieKey& key = m_keys.at(i);
        const bool leads = i + 1 < m_keys.size();
        out.beginObject();
        if (leads && key.hold) {
            out.member("h", 1);
        } else if (leads) {
            out.key("i");
            writeTangent(out, key.easing, false);
            out.key("o");
            writeTangent(out, key.easing, true);
        }
        out.key("s");
        value(out, key.value);
        out.member("t", key.frame);
        if (leads && key.hasSpatialTangents()) {
            out.key("ti");
            writeNumbers(out, key.spatialIn);
            out.key("to");
            writeNumbers(out, key.spatialOut);
        }
        out.endObject();
    }
    out.endArray();
    out.endObject();
}
