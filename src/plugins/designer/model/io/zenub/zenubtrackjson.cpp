// SPDX-License-Identifier: MIT
#include "zenubtrackjson.h"

#include "model/project/zenubshape.h"
#include "zenubjsonkeys.h"
#include "zenubjsonreader.h"
#include "zenubjsonwriter.h"

#include <QJsonArray>

#include <algorithm>

namespace {

enum { Frame, Easing, Value, X, Y, Width, Height };

const ZenubJsonKeys& keyNames()
{
    static const ZenubJsonKeys keys{
        QLatin1String("frame"), QLatin1String("easing"), QLatin1String("value"), QLatin1String("x"),
        QLatin1String("y"),     QLatin1String("width"),  QLatin1String("height")};
    return keys;
}

// The range each property's numbers may take, as the shape's own members do.
struct Range
{
    double minimum;
    double maximum;
};

Range rangeOf(ZenubProperty property)
{
    const double limit = ZenubJsonReader::coordinateLimit();
    switch (property) {
    case ZenubProperty::Opacity:
    case ZenubProperty::FillOpacity:
    case ZenubProperty::StrokeOpacity:
    case ZenubProperty::InnerRadius:
    case ZenubProperty::Roundness:
        return {0, 1};
    case ZenubProperty::Position:
    case ZenubProperty::Rotation:
        return {-limit, limit};
    case ZenubProperty::Points:
        return {3, double(ZenubShape::maximumPoints())};
    default:
        break;
    }
    return {0, limit};
}

// Members after "frame", in the order of their names.
void writeValue(ZenubJsonWriter& writer, const QPointF& point)
{
    writer.member(QLatin1String("x"), point.x());
    writer.member(QLatin1String("y"), point.y());
}

void writeValue(ZenubJsonWriter& writer, const QSizeF& size)
{
    writer.member(QLatin1String("height"), size.height());
    writer.member(QLatin1String("width"), size.width());
}

void writeValue(ZenubJsonWriter& writer, double value)
{
    writer.member(QLatin1String("value"), value);
}

void writeValue(ZenubJsonWriter& writer, int value)
{
    writer.member(QLatin1String("value"), value);
}

void writeValue(ZenubJsonWriter& writer, const ZenubPaint& paint)
{
    writer.key(QLatin1String("value"));
    paint.write(writer);
}

void writeValue(ZenubJsonWriter& writer, const ZenubPath& path)
{
    writer.key(QLatin1String("value"));
    path.write(writer);
}

struct KeyReader
{
    ZenubJsonReader& reader;
    const ZenubJsonKeys::Found& values;
    const ZenubJsonPath& path;
    Range range;

    double number(int field, double fallback) const
    {
        return reader.readNumber(values(field), path, keyNames()[field], fallback, range.minimum,
                                 range.maximum);
    }
    void read(QPointF* point) const { *point = QPointF(number(X, 0), number(Y, 0)); }
    void read(QSizeF* size) const { *size = QSizeF(number(Width, 0), number(Height, 0)); }
    void read(double* value) const { *value = number(Value, *value); }
    void read(int* value) const
    {
        *value = reader.readInt(values(Value), path, keyNames()[Value], *value, int(range.minimum),
                                int(range.maximum));
    }
    void read(ZenubPaint* paint) const
    {
        *paint = ZenubPaint::read(values(Value), reader, path, keyNames()[Value], *paint);
        paint->setOpacity(1);
    }
    void read(ZenubPath* outline) const
    {
        *outline = ZenubPath::fromJson(reader.readObject(values(Value), path, keyNames()[Value]),
                                       reader, ZenubJsonPath(path, keyNames()[Value]));
    }
};

// The properties in the order of their names, as an object's members are written.
QVector<ZenubProperty> byName()
{
    QVector<ZenubProperty> properties = ZenubProperties::all();
    std::sort(properties.begin(), properties.end(), [](ZenubProperty a, ZenubProperty b) {
        return ZenubProperties::name(a) < ZenubProperties::name(b);
    });
    return properties;
}

} // namespace

bool ZenubTrackJson::hasKeys(const ZenubShapeTracks& tracks)
{
    bool keyed = false;
    tracks.forEach(
        [&keyed](ZenubProperty, const auto& track) { keyed = keyed || track.isKeyed(); });
    return keyed;
}

void ZenubTrackJson::write(const ZenubShapeTracks& tracks, ZenubJsonWriter& writer)
{
    static const QVector<ZenubProperty> properties = byName();
    writer.beginObject();
    for (const ZenubProperty property : properties) {
        tracks.visit(property, [&](const auto& track) {
            if (!track.isKeyed())
                return;
            writer.key(ZenubProperties::name(property));
            writer.beginArray();
            for (const auto& key : track.keys()) {
                writer.beginObject();
                if (key.easing != ZenubEasing()) {
                    writer.key(QLatin1String("easing"));
                    key.easing.write(writer);
                }
                writer.member(QLatin1String("frame"), key.frame);
                writeValue(writer, key.value);
                writer.endObject();
            }
            writer.endArray();
        });
    }
    writer.endObject();
}

void ZenubTrackJson::read(const QJsonObject& object, ZenubJsonReader& reader,
                          const ZenubJsonPath& path, ZenubShapeTracks* tracks)
{
    for (auto member = object.constBegin(); member != object.constEnd() && !reader.hasError();
         ++member) {
        ZenubProperty property;
        const QString name = member.key();
        if (!ZenubProperties::fromName(name, &property)) {
            reader.fail(ZenubJsonReader::tr("The field \"%1\" names no property of a shape.")
                            .arg(ZenubJsonReader::child(path.toString(), name)));
            return;
        }
        const QLatin1String key = ZenubProperties::name(property);
        const ZenubJsonPath keysPath(path, key);
        const QJsonArray keys = reader.readArray(member.value(), path, key);
        tracks->visit(property, [&](auto& track) {
            for (int i = 0; i < keys.size() && !reader.hasError(); ++i) {
                const ZenubJsonPath keyPath(keysPath, i);
                const ZenubJsonKeys::Found values =
                    keyNames().find(reader.objectAt(keys, keysPath, i));
                typename std::decay_t<decltype(track)>::Key read;
                read.frame = reader.readInt(values(Frame), keyPath, keyNames()[Frame], 0, 0,
                                            ZenubJsonReader::frameLimit());
                read.value = track.value();
                KeyReader{reader, values, keyPath, rangeOf(property)}.read(&read.value);
                if (!values(Easing).isUndefined())
                    read.easing = ZenubEasing::fromJson(values(Easing), reader,
                                                        ZenubJsonPath(keyPath, keyNames()[Easing]));
                // Two keyframes on one frame cannot both be kept; refuse instead of picking one.
                if (track.indexOf(read.frame) >= 0) {
                    reader.fail(ZenubJsonReader::tr("The field \"%1\" repeats frame %2.")
                                    .arg(keyPath.toString())
                                    .arg(read.frame));
                }
                if (!reader.hasError())
                    track.setKey(read);
            }
        });
    }
}
