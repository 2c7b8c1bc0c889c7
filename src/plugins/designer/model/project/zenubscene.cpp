// SPDX-License-Identifier: MIT
#include "zenubscene.h"

#include "model/io/zenub/zenubjsonkeys.h"
#include "model/io/zenub/zenubjsonreader.h"
#include "model/io/zenub/zenubjsonwriter.h"

#include <QJsonArray>

ZenubScene::ZenubScene(const QString& name, int durationFrames)
    : m_name(name)
    , m_duration(durationFrames)
{}

QJsonObject ZenubScene::toJson() const
{
    QJsonArray layers;
    for (const ZenubLayer& layer : m_layers)
        layers.append(layer.toJson());
    return QJsonObject{{QStringLiteral("name"), m_name},
                       {QStringLiteral("duration"), m_duration},
                       {QStringLiteral("layers"), layers}};
}

void ZenubScene::write(ZenubJsonWriter& writer) const
{
    writer.beginObject();
    writer.member(QLatin1String("duration"), m_duration);
    writer.key(QLatin1String("layers"));
    writer.beginArray();
    for (const ZenubLayer& layer : m_layers)
        layer.write(writer);
    writer.endArray();
    writer.member(QLatin1String("name"), m_name);
    writer.endObject();
}

ZenubScene ZenubScene::fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                const ZenubJsonPath& path)
{
    enum { Name, Duration, Layers };
    static const ZenubJsonKeys keys{QLatin1String("name"), QLatin1String("duration"),
                                    QLatin1String("layers")};
    const ZenubJsonKeys::Found values = keys.find(object);

    ZenubScene scene;
    scene.m_name = reader.readString(values(Name), path, keys[Name], QString());
    scene.m_duration = reader.readInt(values(Duration), path, keys[Duration], scene.m_duration, 1,
                                      ZenubJsonReader::frameLimit());
    const ZenubJsonPath layersPath(path, keys[Layers]);
    const QJsonArray layers = reader.readArray(values(Layers), path, keys[Layers]);
    for (int i = 0; i < layers.size() && !reader.hasError(); ++i) {
        scene.m_layers.append(ZenubLayer::fromJson(reader.objectAt(layers, layersPath, i), reader,
                                                   ZenubJsonPath(layersPath, i)));
    }
    return scene;
}

bool ZenubScene::operator==(const ZenubScene& other) const
{
    return m_name == other.m_name && m_duration == other.m_duration && m_layers == other.m_layers;
}
