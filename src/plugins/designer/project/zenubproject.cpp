#include "zenubproject.h"

#include "zenubjsonreader.h"

#include <QCoreApplication>
#include <QJsonArray>

ZenubProject ZenubProject::createNew(const QString& name, int stageWidth, int stageHeight,
                                     int frameRate)
{
    ZenubProject project;
    project.m_name = name;
    project.m_stageWidth = stageWidth;
    project.m_stageHeight = stageHeight;
    project.m_frameRate = frameRate;
    // Two seconds: long enough to see a first motion without scrolling the timeline.
    ZenubScene scene(QCoreApplication::translate("ZenubProject", "Scene 1"), 2 * frameRate);
    scene.addLayer(ZenubLayer(QCoreApplication::translate("ZenubProject", "Layer 1")));
    project.m_scenes.append(scene);
    return project;
}

qint64 ZenubProject::getTotalFrames() const
{
    qint64 total = 0;
    for (const ZenubScene& scene : m_scenes)
        total += scene.getDuration();
    return total;
}

QJsonObject ZenubProject::toJson() const
{
    QJsonArray scenes;
    for (const ZenubScene& scene : m_scenes)
        scenes.append(scene.toJson());
    const QJsonObject stage{
        {QStringLiteral("width"), m_stageWidth},
        {QStringLiteral("height"), m_stageHeight},
        {QStringLiteral("background"), ZenubJsonReader::colorName(m_backgroundColor)}};
    return QJsonObject{{QStringLiteral("name"), m_name},
                       {QStringLiteral("stage"), stage},
                       {QStringLiteral("frameRate"), m_frameRate},
                       {QStringLiteral("scenes"), scenes}};
}

bool ZenubProject::fromJson(const QJsonObject& object, ZenubProject* project, QString* errorString)
{
    ZenubJsonReader reader;
    const ZenubProject read = fromJson(object, reader, QStringLiteral("project"));
    if (reader.hasError()) {
        if (errorString)
            *errorString = reader.errorString();
        return false;
    }
    *project = read;
    return true;
}

ZenubProject ZenubProject::fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                    const QString& path)
{
    ZenubProject project;
    project.m_name = reader.readString(object, path, QStringLiteral("name"), QString());
    const QString stagePath = ZenubJsonReader::child(path, QStringLiteral("stage"));
    const QJsonObject stage = reader.readObject(object, path, QStringLiteral("stage"));
    project.m_stageWidth = reader.readInt(stage, stagePath, QStringLiteral("width"),
                                          project.m_stageWidth, 1, maximumStageSize());
    project.m_stageHeight = reader.readInt(stage, stagePath, QStringLiteral("height"),
                                           project.m_stageHeight, 1, maximumStageSize());
    project.m_backgroundColor =
        reader.readColor(stage, stagePath, QStringLiteral("background"), project.m_backgroundColor);
    project.m_frameRate = reader.readInt(object, path, QStringLiteral("frameRate"),
                                         project.m_frameRate, 1, maximumFrameRate());
    const QString scenesPath = ZenubJsonReader::child(path, QStringLiteral("scenes"));
    const QJsonArray scenes = reader.readArray(object, path, QStringLiteral("scenes"));
    for (int i = 0; i < scenes.size() && !reader.hasError(); ++i) {
        project.m_scenes.append(ZenubScene::fromJson(reader.objectAt(scenes, scenesPath, i), reader,
                                                     ZenubJsonReader::element(scenesPath, i)));
    }
    return project;
}

bool ZenubProject::operator==(const ZenubProject& other) const
{
    return m_name == other.m_name && m_stageWidth == other.m_stageWidth &&
           m_stageHeight == other.m_stageHeight && m_frameRate == other.m_frameRate &&
           m_backgroundColor == other.m_backgroundColor && m_scenes == other.m_scenes;
}
