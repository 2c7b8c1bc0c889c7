#include "zenubscene.h"

#include "zenubjsonreader.h"

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

ZenubScene ZenubScene::fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                const QString& path)
{
    ZenubScene scene;
    scene.m_name = reader.readString(object, path, QStringLiteral("name"), QString());
    scene.m_duration = reader.readInt(object, path, QStringLiteral("duration"), scene.m_duration, 1,
                                      ZenubJsonReader::frameLimit());
    const QString layersPath = ZenubJsonReader::child(path, QStringLiteral("layers"));
    const QJsonArray layers = reader.readArray(object, path, QStringLiteral("layers"));
    for (int i = 0; i < layers.size() && !reader.hasError(); ++i) {
        scene.m_layers.append(ZenubLayer::fromJson(reader.objectAt(layers, layersPath, i), reader,
                                                   ZenubJsonReader::element(layersPath, i)));
    }
    return scene;
}

bool ZenubScene::operator==(const ZenubScene& other) const
{
    return m_name == other.m_name && m_duration == other.m_duration && m_layers == other.m_layers;
}
