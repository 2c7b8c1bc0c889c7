// SPDX-License-Identifier: MIT
#include "zenublayer.h"

#include "model/io/zenub/zenubjsonkeys.h"
#include "model/io/zenub/zenubjsonreader.h"
#include "model/io/zenub/zenubjsonwriter.h"

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

void ZenubLayer::write(ZenubJsonWriter& writer) const
{
    writer.beginObject();
    if (m_bLocked)
        writer.member(QLatin1String("locked"), true);
    writer.member(QLatin1String("name"), m_name);
    writer.key(QLatin1String("shapes"));
    writer.beginArray();
    for (const ZenubShape& shape : m_shapes)
        shape.write(writer);
    writer.endArray();
    writer.member(QLatin1String("visible"), m_bVisible);
    writer.endObject();
}

ZenubLayer ZenubLayer::fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                const ZenubJsonPath& path)
{
    enum { Name, Visible, Locked, Shapes };
    static const ZenubJsonKeys keys{QLatin1String("name"), QLatin1String("visible"),
                                    QLatin1String("locked"), QLatin1String("shapes")};
    const ZenubJsonKeys::Found values = keys.find(object);

    ZenubLayer layer;
    layer.m_name = reader.readString(values(Name), path, keys[Name], QString());
    layer.m_bVisible = reader.readBool(values(Visible), path, keys[Visible], true);
    layer.m_bLocked = reader.readBool(values(Locked), path, keys[Locked], false);
    const ZenubJsonPath shapesPath(path, keys[Shapes]);
    const QJsonArray shapes = reader.readArray(values(Shapes), path, keys[Shapes]);
    layer.m_shapes.reserve(shapes.size());
    for (int i = 0; i < shapes.size() && !reader.hasError(); ++i) {
        layer.m_shapes.append(ZenubShape::fromJson(reader.objectAt(shapes, shapesPath, i), reader,
                                                   ZenubJsonPath(shapesPath, i)));
    }
    return layer;
}

bool ZenubLayer::operator==(const ZenubLayer& other) const
{
    return m_name == other.m_name && m_bVisible == other.m_bVisible &&
           m_bLocked == other.m_bLocked && m_shapes == other.m_shapes;
}
