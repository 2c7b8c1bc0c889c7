// SPDX-License-Identifier: MIT
#include "zenubshape.h"

#include "model/io/zenub/zenubjsonkeys.h"
#include "model/io/zenub/zenubjsonreader.h"
#include "model/io/zenub/zenubjsonwriter.h"
#include "model/io/zenub/zenubpicturetable.h"

#include <QJsonArray>
#include <QStringList>

#include <algorithm>

ZenubShape::ZenubShape(Type type, const QString& name)
    : m_type(type)
    , m_name(name)
{}

void ZenubShape::setKeyframe(const ZenubKeyframe& keyframe)
{
    const auto at = std::lower_bound(
        m_keyframes.begin(), m_keyframes.end(), keyframe.getFrame(),
        [](const ZenubKeyframe& existing, int frame) { return existing.getFrame() < frame; });
    if (at != m_keyframes.end() && at->getFrame() == keyframe.getFrame())
        *at = keyframe;
    else
        m_keyframes.insert(at, keyframe);
}

bool ZenubShape::removeKeyframe(int frame)
{
    for (int i = 0; i < m_keyframes.size(); ++i) {
        if (m_keyframes.at(i).getFrame() == frame) {
            m_keyframes.removeAt(i);
            return true;
        }
    }
    return false;
}

ZenubKeyframe ZenubShape::stateAtFrame(int frame) const
{
    ZenubKeyframe state;
    if (!stateAt(frame, &state))
        state = ZenubKeyframe(frame, 0, 0, 100, 100);
    // A keyframe already on this frame keeps its easing; a new one continues the curve it
    // splits.
    state.setFrame(frame);
    return state;
}

QStringList ZenubShape::imageFormats()
{
    return {QStringLiteral("png"), QStringLiteral("jpeg"), QStringLiteral("svg")};
}

bool ZenubShape::stateAt(double frame, ZenubKeyframe* state) const
{
    if (m_keyframes.isEmpty())
        return false;
    if (frame <= m_keyframes.constFirst().getFrame()) {
        *state = m_keyframes.constFirst();
    } else if (frame >= m_keyframes.constLast().getFrame()) {
        *state = m_keyframes.constLast();
    } else {
        int next = 1;
        while (m_keyframes.at(next).getFrame() <= frame)
            ++next;
        const ZenubKeyframe& from = m_keyframes.at(next - 1);
        const ZenubKeyframe& to = m_keyframes.at(next);
        const double t = (frame - from.getFrame()) / double(to.getFrame() - from.getFrame());
        *state = ZenubKeyframe::interpolate(from, to, t);
    }
    return true;
}

QString ZenubShape::typeName(Type type)
{
    switch (type) {
    case Type::Rectangle:
        return QStringLiteral("rectangle");
    case Type::Ellipse:
        return QStringLiteral("ellipse");
    case Type::Text:
        return QStringLiteral("text");
    case Type::Image:
        return QStringLiteral("image");
    }
    return QString();
}

bool ZenubShape::typeFromName(const QString& name, Type* type)
{
    for (const Type candidate : {Type::Rectangle, Type::Ellipse, Type::Text, Type::Image}) {
        if (typeName(candidate) == name) {
            *type = candidate;
            return true;
        }
    }
    return false;
}

QJsonObject ZenubShape::toJson() const
{
    QJsonArray keyframes;
    for (const ZenubKeyframe& keyframe : m_keyframes)
        keyframes.append(keyframe.toJson());
    QJsonObject object{{QStringLiteral("type"), typeName(m_type)},
                       {QStringLiteral("name"), m_name},
                       {QStringLiteral("fill"), ZenubJsonReader::colorName(m_fillColor)},
                       {QStringLiteral("keyframes"), keyframes}};
    if (!m_text.isEmpty())
        object.insert(QStringLiteral("text"), m_text);
    // Only what differs from the defaults, so older projects are saved as they were.
    const ZenubShape defaults;
    if (m_strokeWidth != defaults.m_strokeWidth) {
        object.insert(QStringLiteral("stroke"), ZenubJsonReader::colorName(m_strokeColor));
        object.insert(QStringLiteral("strokeWidth"), m_strokeWidth);
    }
    if (m_cornerRadius != defaults.m_cornerRadius)
        object.insert(QStringLiteral("cornerRadius"), m_cornerRadius);
    if (m_fontFamily != defaults.m_fontFamily)
        object.insert(QStringLiteral("fontFamily"), m_fontFamily);
    if (m_fontSize != defaults.m_fontSize)
        object.insert(QStringLiteral("fontSize"), m_fontSize);
    if (m_type == Type::Image) {
        object.insert(QStringLiteral("imageFormat"), m_imageFormat);
        object.insert(QStringLiteral("image"), QString::fromLatin1(m_imageData.toBase64()));
    }
    return object;
}

void ZenubShape::write(ZenubJsonWriter& writer) const
{
    const ZenubShape defaults;
    const bool stroked = m_strokeWidth != defaults.m_strokeWidth;
    // A project file names its pictures from its table; elsewhere a shape carries its own.
    const ZenubPictureTable* pictures = writer.pictures();
    const QString pictureId =
        m_type == Type::Image && pictures ? pictures->idOf(m_imageData, m_imageFormat) : QString();
    writer.beginObject();
    if (m_cornerRadius != defaults.m_cornerRadius)
        writer.member(QLatin1String("cornerRadius"), m_cornerRadius);
    writer.member(QLatin1String("fill"), ZenubJsonReader::colorName(m_fillColor));
    if (m_fontFamily != defaults.m_fontFamily)
        writer.member(QLatin1String("fontFamily"), m_fontFamily);
    if (m_fontSize != defaults.m_fontSize)
        writer.member(QLatin1String("fontSize"), m_fontSize);
    if (m_type == Type::Image && pictureId.isEmpty()) {
        writer.key(QLatin1String("image"));
        writer.base64(m_imageData);
        writer.member(QLatin1String("imageFormat"), m_imageFormat);
    }
    writer.key(QLatin1String("keyframes"));
    writer.beginArray();
    for (const ZenubKeyframe& keyframe : m_keyframes)
        keyframe.write(writer);
    writer.endArray();
    writer.member(QLatin1String("name"), m_name);
    if (!pictureId.isEmpty())
        writer.member(QLatin1String("picture"), pictureId);
    if (stroked) {
        writer.member(QLatin1String("stroke"), ZenubJsonReader::colorName(m_strokeColor));
        writer.member(QLatin1String("strokeWidth"), m_strokeWidth);
    }
    if (!m_text.isEmpty())
        writer.member(QLatin1String("text"), m_text);
    writer.member(QLatin1String("type"), typeName(m_type));
    writer.endObject();
}

ZenubShape ZenubShape::fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                const QString& path)
{
    return fromJson(object, reader, ZenubJsonPath(path));
}

ZenubShape ZenubShape::fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                const ZenubJsonPath& path)
{
    enum {
        TypeKey,
        Name,
        Fill,
        Text,
        Stroke,
        StrokeWidth,
        CornerRadius,
        FontFamily,
        FontSize,
        ImageFormat,
        Image,
        Picture,
        Keyframes
    };
    static const ZenubJsonKeys keys{
        QLatin1String("type"),         QLatin1String("name"),       QLatin1String("fill"),
        QLatin1String("text"),         QLatin1String("stroke"),     QLatin1String("strokeWidth"),
        QLatin1String("cornerRadius"), QLatin1String("fontFamily"), QLatin1String("fontSize"),
        QLatin1String("imageFormat"),  QLatin1String("image"),      QLatin1String("picture"),
        QLatin1String("keyframes")};
    const ZenubJsonKeys::Found values = keys.find(object);

    ZenubShape shape;
    // An unknown kind is refused rather than dropped, so that saving cannot lose it.
    static const QStringList types{typeName(Type::Rectangle), typeName(Type::Ellipse),
                                   typeName(Type::Text), typeName(Type::Image)};
    typeFromName(
        reader.readChoice(values(TypeKey), path, keys[TypeKey], types, typeName(shape.m_type)),
        &shape.m_type);
    shape.m_name = reader.readString(values(Name), path, keys[Name], QString());
    shape.m_fillColor = reader.readColor(values(Fill), path, keys[Fill], shape.m_fillColor);
    shape.m_text = reader.readString(values(Text), path, keys[Text], QString());
    shape.m_strokeColor = reader.readColor(values(Stroke), path, keys[Stroke], shape.m_strokeColor);
    const double limit = ZenubJsonReader::coordinateLimit();
    shape.m_strokeWidth = reader.readNumber(values(StrokeWidth), path, keys[StrokeWidth],
                                            shape.m_strokeWidth, 0, limit);
    shape.m_cornerRadius = reader.readNumber(values(CornerRadius), path, keys[CornerRadius],
                                             shape.m_cornerRadius, 0, limit);
    shape.m_fontFamily =
        reader.readString(values(FontFamily), path, keys[FontFamily], shape.m_fontFamily);
    shape.m_fontSize =
        reader.readNumber(values(FontSize), path, keys[FontSize], shape.m_fontSize, 0, limit);
    if (shape.m_type == Type::Image && !values(Picture).isUndefined()) {
        const QString id = reader.readString(values(Picture), path, keys[Picture], QString());
        const ZenubPictureTable* pictures = reader.pictures();
        const ZenubPictureTable::Picture* picture = pictures ? pictures->find(id) : nullptr;
        if (picture) {
            shape.m_imageFormat = picture->format;
            shape.m_imageData = picture->data;
        } else {
            reader.fail(ZenubJsonReader::tr("The field \"%1\" names no image of the project.")
                            .arg(path.child(keys[Picture])));
        }
    } else if (shape.m_type == Type::Image) {
        shape.m_imageFormat = reader.readChoice(values(ImageFormat), path, keys[ImageFormat],
                                                imageFormats(), QStringLiteral("png"));
        shape.m_imageData = QByteArray::fromBase64(
            reader.readString(values(Image), path, keys[Image], QString()).toLatin1());
    }

    const ZenubJsonPath keyframesPath(path, keys[Keyframes]);
    const QJsonArray keyframes = reader.readArray(values(Keyframes), path, keys[Keyframes]);
    shape.m_keyframes.reserve(keyframes.size());
    for (int i = 0; i < keyframes.size(); ++i) {
        const ZenubJsonPath keyframePath(keyframesPath, i);
        const ZenubKeyframe keyframe = ZenubKeyframe::fromJson(
            reader.objectAt(keyframes, keyframesPath, i), reader, keyframePath);
        if (reader.hasError())
            break;
        // Two keyframes on one frame cannot both be kept; refuse instead of picking one.
        const int before = shape.m_keyframes.size();
        shape.setKeyframe(keyframe);
        if (shape.m_keyframes.size() == before) {
            reader.fail(ZenubJsonReader::tr("The field \"%1\" repeats frame %2.")
                            .arg(keyframePath.toString())
                            .arg(keyframe.getFrame()));
            break;
        }
    }
    return shape;
}

bool ZenubShape::operator==(const ZenubShape& other) const
{
    return m_type == other.m_type && m_name == other.m_name && m_fillColor == other.m_fillColor &&
           m_text == other.m_text && m_strokeColor == other.m_strokeColor &&
           m_strokeWidth == other.m_strokeWidth && m_cornerRadius == other.m_cornerRadius &&
           m_fontFamily == other.m_fontFamily && m_fontSize == other.m_fontSize &&
           m_imageData == other.m_imageData && m_imageFormat == other.m_imageFormat &&
           m_keyframes == other.m_keyframes;
}
