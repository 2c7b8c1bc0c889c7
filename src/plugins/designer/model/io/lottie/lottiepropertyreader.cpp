// SPDX-License-Identifier: MIT
#include "lottiepropertyreader.h"

#include "model/project/zenubpath.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>

namespace {

// The named curves where the file's numbers are theirs, so that they keep their names.
ZenubEasing named(double x1, double y1, double x2, double y2)
{
    for (const auto type : {ZenubEasing::Type::Linear, ZenubEasing::Type::EaseIn,
                            ZenubEasing::Type::EaseOut, ZenubEasing::Type::EaseInOut}) {
        const ZenubEasing curve(type);
        if (curve.x1() == x1 && curve.y1() == y1 && curve.x2() == x2 && curve.y2() == y2)
            return curve;
    }
    // Equal handles on the diagonal draw a straight line, as players take it.
    if (x1 == y1 && x2 == y2)
        return ZenubEasing();
    return ZenubEasing::bezier(x1, y1, x2, y2);
}

} // namespace

void LottiePropertyReader::fail(const QString& message)
{
    if (m_error.isEmpty())
        m_error = message;
}

QString LottiePlace::toString() const
{
    QString text = m_property;
    if (m_key >= 0)
        text += QStringLiteral(".k[%1]").arg(m_key);
    return text + m_member;
}

double LottiePropertyReader::number(const QJsonValue& value, const QString& where, double fallback)
{
    return number(value, LottiePlace(where), fallback);
}

double LottiePropertyReader::number(const QJsonValue& value, const LottiePlace& where,
                                    double fallback)
{
    if (value.isUndefined() || value.isNull())
        return fallback;
    // Old files write some numbers as one-element arrays.
    const QJsonValue single =
        value.isArray() && value.toArray().size() == 1 ? value.toArray().first() : value;
    if (!single.isDouble() || !std::isfinite(single.toDouble())) {
        fail(tr("\"%1\" must be a number.").arg(where.toString()));
        return fallback;
    }
    return single.toDouble();
}

bool LottiePropertyReader::values(const QJsonValue& value, const LottiePlace& where, int dimensions,
                                  QVector<double>* out)
{
    out->clear();
    if (value.isDouble()) {
        out->append(value.toDouble());
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        // Colours and vectors have a few numbers; more is no property of ours.
        if (array.size() > 64) {
            fail(tr("\"%1\" has too many numbers.").arg(where.toString()));
            return false;
        }
        for (const QJsonValue& item : array) {
            if (!item.isDouble()) {
                fail(tr("\"%1\" must hold numbers.").arg(where.toString()));
                return false;
            }
            out->append(item.toDouble());
        }
    } else {
        fail(tr("\"%1\" must be a number or a list of numbers.").arg(where.toString()));
        return false;
    }
    if (std::any_of(out->cbegin(), out->cend(), [](double v) { return !std::isfinite(v); })) {
        fail(tr("\"%1\" must hold finite numbers.").arg(where.toString()));
        return false;
    }
    // A scalar given as a list, or a vector missing numbers: as players read them.
    while (out->size() < dimensions)
        out->append(out->isEmpty() ? 0 : out->constLast());
    if (dimensions == 1)
        out->resize(1);
    return true;
}

QVector<ZenubEasing> LottiePropertyReader::easing(const QJsonValue& out, const QJsonValue& in,
                                                  const LottiePlace& where)
{
    const auto list = [](const QJsonValue& value) {
        QVarLengthArray<double, 4> numbers;
        if (value.isArray())
            for (const QJsonValue& item : value.toArray())
                numbers.append(item.toDouble());
        else if (value.isDouble())
            numbers.append(value.toDouble());
        return numbers;
    };
    const QJsonObject o = out.toObject();
    const QJsonObject i = in.toObject();
    const auto x1 = list(o.value(QLatin1String("x")));
    const auto y1 = list(o.value(QLatin1String("y")));
    const auto x2 = list(i.value(QLatin1String("x")));
    const auto y2 = list(i.value(QLatin1String("y")));
    if (x1.isEmpty() || y1.isEmpty() || x2.isEmpty() || y2.isEmpty()) {
        fail(tr("\"%1\" needs the tangents \"o\" and \"i\" of its timing curve.")
                 .arg(where.toString()));
        return {ZenubEasing()};
    }
    const int count = std::max({x1.size(), y1.size(), x2.size(), y2.size()});
    QVector<ZenubEasing> curves;
    curves.reserve(std::min(count, 64));
    for (int d = 0; d < count && d < 64; ++d) {
        const double values[] = {x1.value(d, x1.last()), y1.value(d, y1.last()),
                                 x2.value(d, x2.last()), y2.value(d, y2.last())};
        if (std::any_of(std::begin(values), std::end(values),
                        [](double v) { return !std::isfinite(v) || std::abs(v) > 1e6; })) {
            fail(tr("\"%1\" has a timing curve out of bounds.").arg(where.toString()));
            return {ZenubEasing()};
        }
        curves.append(named(std::clamp(values[0], 0.0, 1.0), values[1],
                            std::clamp(values[2], 0.0, 1.0), values[3]));
    }
    return curves;
}

bool LottiePropertyReader::pathValues(const QJsonValue& value, const LottiePlace& where,
                                      QVector<double>* out)
{
    const QJsonObject object = value.toObject();
    const QJsonArray vertices = object.value(QLatin1String("v")).toArray();
    const QJsonArray in = object.value(QLatin1String("i")).toArray();
    const QJsonArray outs = object.value(QLatin1String("o")).toArray();
    if (!value.isObject() || !object.value(QLatin1String("v")).isArray()) {
        fail(tr("\"%1\" must be an outline with its points \"v\".").arg(where.toString()));
        return false;
    }
    m_nodes += vertices.size();
    if (m_nodes > ZenubPath::maximumNodes()) {
        fail(tr("\"%1\": the outlines have more than %2 points.")
                 .arg(where.toString())
                 .arg(ZenubPath::maximumNodes()));
        return false;
    }
    out->clear();
    out->append(object.value(QLatin1String("c")).toBool() ? 1 : 0);
    out->append(vertices.size());
    const auto pair = [](const QJsonValue& item, double* x, double* y) {
        const QJsonArray numbers = item.toArray();
        *x = numbers.at(0).toDouble();
        *y = numbers.at(1).toDouble();
        return numbers.size() >= 2 && numbers.at(0).isDouble() && numbers.at(1).isDouble() &&
               std::isfinite(*x) && std::isfinite(*y);
    };
    for (int n = 0; n < vertices.size(); ++n) {
        double values[6] = {0, 0, 0, 0, 0, 0};
        if (!pair(vertices.at(n), &values[0], &values[1])) {
            fail(tr("\"%1\" has a point that is not two numbers.").arg(where.toString()));
            return false;
        }
        // Missing tangents are straight sides.
        if (n < in.size())
            pair(in.at(n), &values[2], &values[3]);
        if (n < outs.size())
            pair(outs.at(n), &values[4], &values[5]);
        for (const double v : values)
            out->append(std::isfinite(v) ? v : 0);
    }
    return true;
}

LottieTrack LottiePropertyReader::read(const QJsonValue& value, const QString& where,
                                       int dimensions, const LottieTrack& fallback)
{
    if (failed() || value.isUndefined() || value.isNull())
        return fallback;
    if (!value.isObject()) {
        // Some writers give a plain number where a property belongs.
        if (value.isDouble()) {
            QVector<double> still;
            return values(value, where, dimensions, &still) ? LottieTrack(still) : fallback;
        }
        fail(tr("\"%1\" must be a property object.").arg(where));
        return fallback;
    }
    const QJsonObject object = value.toObject();
    if (object.value(QLatin1String("x")).isString())
        m_expression = true;
    const QJsonValue k = object.value(QLatin1String("k"));
    const bool keyed = k.isArray() && !k.toArray().isEmpty() && k.toArray().first().isObject();
    if (!keyed) {
        QVector<double> still;
        if (k.isUndefined())
            return fallback;
        return values(k, LottiePlace(where, -1, QLatin1String(".k")), dimensions, &still)
                   ? LottieTrack(still)
                   : fallback;
    }
    const QJsonArray keys = k.toArray();
    if (keys.size() > maximumKeys()) {
        fail(tr("\"%1\" has more than %2 keys.").arg(where).arg(maximumKeys()));
        return fallback;
    }
    LottieTrack track;
    QVector<double> previousEnd;
    for (int i = 0; i < keys.size(); ++i) {
        const LottiePlace at(where, i);
        const QJsonObject key = keys.at(i).toObject();
        LottieKey entry;
        entry.frame =
            number(key.value(QLatin1String("t")), LottiePlace(where, i, QLatin1String(".t")), 0);
        const QJsonValue start = key.value(QLatin1String("s"));
        if (!start.isUndefined()) {
            if (!values(start, LottiePlace(where, i, QLatin1String(".s")), dimensions,
                        &entry.value))
                return fallback;
        } else if (!previousEnd.isEmpty()) {
            entry.value = previousEnd;
        } else {
            fail(tr("\"%1\" has no value \"s\".").arg(at.toString()));
            return fallback;
        }
        previousEnd.clear();
        if (key.contains(QLatin1String("e")) &&
            !values(key.value(QLatin1String("e")), LottiePlace(where, i, QLatin1String(".e")),
                    dimensions, &previousEnd))
            return fallback;
        entry.hold = key.value(QLatin1String("h")).toInt() == 1;
        const bool last = i + 1 == keys.size();
        if (!entry.hold && !last)
            entry.easing = easing(key.value(QLatin1String("o")), key.value(QLatin1String("i")), at);
        for (const auto& tangent : {qMakePair(QLatin1String("to"), &entry.spatialOut),
                                    qMakePair(QLatin1String("ti"), &entry.spatialIn)})
            if (key.value(tangent.first).isArray())
                values(key.value(tangent.first),
                       LottiePlace(where, i,
                                   tangent.first == QLatin1String("to") ? QLatin1String(".to")
                                                                        : QLatin1String(".ti")),
                       dimensions, tangent.second);
        if (!track.keys().isEmpty() && entry.frame < track.keys().constLast().frame) {
            fail(tr("\"%1\" comes before the key ahead of it.").arg(at.toString()));
            return fallback;
        }
        if (failed())
            return fallback;
        track.append(entry);
    }
    return track;
}

LottieTrack LottiePropertyReader::readPath(const QJsonValue& value, const QString& where)
{
    if (failed())
        return LottieTrack();
    const QJsonObject object = value.toObject();
    if (object.value(QLatin1String("x")).isString())
        m_expression = true;
    const QJsonValue k = object.value(QLatin1String("k"));
    QVector<double> still;
    if (k.isObject())
        return pathValues(k, LottiePlace(where, -1, QLatin1String(".k")), &still)
                   ? LottieTrack(still)
                   : LottieTrack();
    if (!k.isArray()) {
        fail(tr("\"%1\" must be an outline property.").arg(where));
        return LottieTrack();
    }
    const QJsonArray keys = k.toArray();
    if (keys.size() > maximumKeys()) {
        fail(tr("\"%1\" has more than %2 keys.").arg(where).arg(maximumKeys()));
        return LottieTrack();
    }
    LottieTrack track;
    QVector<double> previousEnd;
    for (int i = 0; i < keys.size(); ++i) {
        const LottiePlace at(where, i);
        const QJsonObject key = keys.at(i).toObject();
        LottieKey entry;
        entry.frame =
            number(key.value(QLatin1String("t")), LottiePlace(where, i, QLatin1String(".t")), 0);
        const QJsonArray start = key.value(QLatin1String("s")).toArray();
        if (!start.isEmpty()) {
            if (!pathValues(start.first(), LottiePlace(where, i, QLatin1String(".s")),
                            &entry.value))
                return LottieTrack();
        } else if (!previousEnd.isEmpty()) {
            entry.value = previousEnd;
        } else {
            fail(tr("\"%1\" has no outline \"s\".").arg(at.toString()));
            return LottieTrack();
        }
        previousEnd.clear();
        const QJsonArray end = key.value(QLatin1String("e")).toArray();
        if (!end.isEmpty() &&
            !pathValues(end.first(), LottiePlace(where, i, QLatin1String(".e")), &previousEnd))
            return LottieTrack();
        entry.hold = key.value(QLatin1String("h")).toInt() == 1;
        if (!entry.hold && i + 1 < keys.size())
            entry.easing = {
                easing(key.value(QLatin1String("o")), key.value(QLatin1String("i")), at).value(0)};
        if (!track.keys().isEmpty() && entry.frame < track.keys().constLast().frame)
            fail(tr("\"%1\" comes before the key ahead of it.").arg(at.toString()));
        if (failed())
            return LottieTrack();
        track.append(entry);
    }
    return track;
}
