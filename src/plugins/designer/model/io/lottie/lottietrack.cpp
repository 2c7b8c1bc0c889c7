// SPDX-License-Identifier: MIT
#include "lottietrack.h"

#include <QJsonArray>
#include <QPointF>

#include <algorithm>
#include <cmath>

namespace {

QJsonArray numbers(const QVector<double>& values)
{
    QJsonArray array;
    for (const double value : values)
        array.append(value);
    return array;
}

// A key's value is always a list: a number or an outline is one in a list of its own.
QJsonArray keyValue(const QJsonValue& value)
{
    return value.isArray() ? value.toArray() : QJsonArray{value};
}

QJsonObject tangent(const QVector<ZenubEasing>& easing, bool out)
{
    QJsonArray x;
    QJsonArray y;
    for (const ZenubEasing& curve : easing) {
        x.append(out ? curve.x1() : curve.x2());
        y.append(out ? curve.y1() : curve.y2());
    }
    return {{QStringLiteral("x"), x}, {QStringLiteral("y"), y}};
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

QVector<double> LottieTrack::valueAt(double frame) const
{
    if (m_keys.isEmpty())
        return {};
    if (m_keys.size() == 1 || frame <= m_keys.constFirst().frame)
        return m_keys.constFirst().value;
    if (frame >= m_keys.constLast().frame)
        return m_keys.constLast().value;
    const auto next =
        std::upper_bound(m_keys.cbegin(), m_keys.cend(), frame,
                         [](double at, const LottieKey& key) { return at < key.frame; });
    const LottieKey& from = *(next - 1);
    const LottieKey& to = *next;
    if (from.hold || to.frame <= from.frame)
        return from.value;
    const double t = (frame - from.frame) / (to.frame - from.frame);
    if (from.value.size() >= 2 && from.hasSpatialTangents())
        return alongCurve(from, to, from.easingOf(0).valueFor(t));
    QVector<double> value = from.value;
    for (int d = 0; d < value.size(); ++d)
        value[d] += (to.value.value(d) - value[d]) * from.easingOf(d).valueFor(t);
    return value;
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

QJsonObject LottieTrack::toJson(bool scalar) const
{
    return toJsonWith([scalar](const QVector<double>& values) -> QJsonValue {
        if (scalar && values.size() == 1)
            return values.constFirst();
        return numbers(values);
    });
}

QJsonObject
LottieTrack::toJsonWith(const std::function<QJsonValue(const QVector<double>&)>& value) const
{
    if (!isAnimated())
        return {{QStringLiteral("a"), 0}, {QStringLiteral("k"), value(first())}};
    QJsonArray keys;
    for (int i = 0; i < m_keys.size(); ++i) {
        const LottieKey& key = m_keys.at(i);
        QJsonObject object{{QStringLiteral("t"), key.frame},
                           {QStringLiteral("s"), keyValue(value(key.value))}};
        if (i + 1 < m_keys.size()) {
            if (key.hold) {
                object.insert(QStringLiteral("h"), 1);
            } else {
                object.insert(QStringLiteral("o"), tangent(key.easing, true));
                object.insert(QStringLiteral("i"), tangent(key.easing, false));
            }
            if (key.hasSpatialTangents()) {
                object.insert(QStringLiteral("to"), numbers(key.spatialOut));
                object.insert(QStringLiteral("ti"), numbers(key.spatialIn));
            }
        }
        keys.append(object);
    }
    return {{QStringLiteral("a"), 1}, {QStringLiteral("k"), keys}};
}
