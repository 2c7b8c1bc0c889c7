#include "zenublayer.h"

#include "zenubjsonreader.h"

#include <QJsonArray>

ZenubLayer::ZenubLayer(const QString& name)
    : m_name(name)
{}

QJsonObject ZenubLayer::toJson() const
{
    QJsonArray shapes;
    for (const ZenubShape& shape : m_shapes)
        shapes.append(shape.toJson());
    QJsonObject object{{QStringLiteral("name"), m_name},
                       {QStringLiteral("visible"), m_bVisible},
                       {QStringLiteral("shapes"), shapes}};
    if (m_bLocked)
        object.insert(QStringLiteral("locked"), true);
    return object;
}

ZenubLayer ZenubLayer::fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                const QString& path)
{
    ZenubLayer layer;
    layer.m_name = reader.readString(object, path, QStringLiteral("name"), QString());
    layer.m_bVisible = reader.readBool(object, path, QStringLiteral("visible"), true);
    layer.m_bLocked = reader.readBool(object, path, QStringLiteral("locked"), false);
    const QString shapesPath = ZenubJsonReader::child(path, QStringLiteral("shapes"));
    const QJsonArray shapes = reader.readArray(object, path, QStringLiteral("shapes"));
    for (int i = 0; i < shapes.size() && !reader.hasError(); ++i) {
        layer.m_shapes.append(ZenubShape::fromJson(reader.objectAt(shapes, shapesPath, i), reader,
                                                   ZenubJsonReader::element(shapesPath, i)));
    }
    return layer;
}

bool ZenubLayer::operator==(const ZenubLayer& other) const
{
    return m_name == other.m_name && m_bVisible == other.m_bVisible &&
           m_bLocked == other.m_bLocked && m_shapes == other.m_shapes;
}
