#include "zenubshape.h"

#include "zenubjsonreader.h"

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
    }
    return QString();
}

bool ZenubShape::typeFromName(const QString& name, Type* type)
{
    for (const Type candidate : {Type::Rectangle, Type::Ellipse, Type::Text}) {
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
    return object;
}

ZenubShape ZenubShape::fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                const QString& path)
{
    ZenubShape shape;
    // An unknown kind is refused rather than dropped, so that saving cannot lose it.
    static const QStringList types{typeName(Type::Rectangle), typeName(Type::Ellipse),
                                   typeName(Type::Text)};
    typeFromName(
        reader.readChoice(object, path, QStringLiteral("type"), types, typeName(shape.m_type)),
        &shape.m_type);
    shape.m_name = reader.readString(object, path, QStringLiteral("name"), QString());
    shape.m_fillColor = reader.readColor(object, path, QStringLiteral("fill"), shape.m_fillColor);
    shape.m_text = reader.readString(object, path, QStringLiteral("text"), QString());

    const QString keyframesPath = ZenubJsonReader::child(path, QStringLiteral("keyframes"));
    const QJsonArray keyframes = reader.readArray(object, path, QStringLiteral("keyframes"));
    for (int i = 0; i < keyframes.size(); ++i) {
        const QString keyframePath = ZenubJsonReader::element(keyframesPath, i);
        const ZenubKeyframe keyframe = ZenubKeyframe::fromJson(
            reader.objectAt(keyframes, keyframesPath, i), reader, keyframePath);
        if (reader.hasError())
            break;
        // Two keyframes on one frame cannot both be kept; refuse instead of picking one.
        const int before = shape.m_keyframes.size();
        shape.setKeyframe(keyframe);
        if (shape.m_keyframes.size() == before) {
            reader.fail(ZenubJsonReader::tr("The field \"%1\" repeats frame %2.")
                            .arg(keyframePath)
                            .arg(keyframe.getFrame()));
            break;
        }
    }
    return shape;
}

bool ZenubShape::operator==(const ZenubShape& other) const
{
    return m_type == other.m_type && m_name == other.m_name && m_fillColor == other.m_fillColor &&
           m_text == other.m_text && m_keyframes == other.m_keyframes;
}
