// SPDX-License-Identifier: MIT
#include "zenubproject.h"

#include "model/io/zenub/zenubjsonkeys.h"
#include "model/io/zenub/zenubjsonreader.h"
#include "model/io/zenub/zenubjsonwriter.h"
#include "model/io/zenub/zenubpicturetable.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QThread>

#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

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
    QJsonObject object{{QStringLiteral("name"), m_name},
                       {QStringLiteral("stage"), stage},
                       {QStringLiteral("frameRate"), m_frameRate},
                       {QStringLiteral("scenes"), scenes}};
    // Only when there are some, so projects without guides are saved as they were.
    if (!m_guides.isEmpty())
        object.insert(QStringLiteral("guides"), m_guides.toJson());
    return object;
}

void ZenubProject::write(ZenubJsonWriter& writer) const
{
    const ZenubPictureTable pictures = ZenubPictureTable::of(*this);
    writer.beginObject();
    writer.member(QLatin1String("frameRate"), m_frameRate);
    if (!m_guides.isEmpty()) {
        writer.key(QLatin1String("guides"));
        m_guides.write(writer);
    }
    writer.member(QLatin1String("name"), m_name);
    if (!pictures.isEmpty()) {
        writer.key(QLatin1String("pictures"));
        pictures.write(writer);
    }
    const ZenubPictureTable* outer = writer.pictures();
    writer.setPictures(pictures.isEmpty() ? nullptr : &pictures);
    writer.key(QLatin1String("scenes"));
    writer.beginArray();
    for (const ZenubScene& scene : m_scenes)
        scene.write(writer);
    writer.endArray();
    writer.setPictures(outer);
    writer.key(QLatin1String("stage"));
    writer.beginObject();
    writer.member(QLatin1String("background"), ZenubJsonReader::colorName(m_backgroundColor));
    writer.member(QLatin1String("height"), m_stageHeight);
    writer.member(QLatin1String("width"), m_stageWidth);
    writer.endObject();
    writer.endObject();
}

namespace {

// Scenes do not depend on each other, and walking a large project costs a third of parsing it:
// this thread and one more share the scenes out. Each scene has a reader of its own, and the
// first fault in the file's order is the one reported, as when they are read in turn.
QVector<ZenubScene> readScenes(const QJsonArray& scenes, ZenubJsonReader& reader,
                               const ZenubJsonPath& scenesPath)
{
    const int count = scenes.size();
    std::vector<ZenubJsonReader> readers(static_cast<size_t>(count));
    std::vector<ZenubScene> read(static_cast<size_t>(count));
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int i = next++; i < count; i = next++) {
            ZenubJsonReader& own = readers[size_t(i)];
            own.setPictures(reader.pictures());
            own.setFormatVersion(reader.formatVersion());
            read[size_t(i)] = ZenubScene::fromJson(own.objectAt(scenes, scenesPath, i), own,
                                                   ZenubJsonPath(scenesPath, i));
        }
    };
    bool shared = false;
    if (count > 1 && QThread::idealThreadCount() > 1) {
        try {
            std::thread helper(work);
            shared = true;
            work();
            helper.join();
        } catch (const std::system_error&) {
            // No thread to be had: this one reads them all.
        }
    }
    if (!shared)
        work();
    QVector<ZenubScene> result;
    result.reserve(count);
    for (int i = 0; i < count; ++i) {
        if (readers[size_t(i)].hasError()) {
            reader.fail(readers[size_t(i)].errorString());
            break;
        }
        result.append(std::move(read[size_t(i)]));
    }
    return result;
}

} // namespace

bool ZenubProject::fromJson(const QJsonObject& object, ZenubProject* project, QString* errorString)
{
    ZenubJsonReader reader;
    const QString root = QStringLiteral("project");
    const ZenubProject read = fromJson(object, reader, ZenubJsonPath(root));
    if (reader.hasError()) {
        if (errorString)
            *errorString = reader.errorString();
        return false;
    }
    *project = read;
    return true;
}

ZenubProject ZenubProject::fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                    const ZenubJsonPath& path)
{
    enum { Name, Stage, FrameRate, Pictures, Scenes, Guides };
    static const ZenubJsonKeys keys{QLatin1String("name"),      QLatin1String("stage"),
                                    QLatin1String("frameRate"), QLatin1String("pictures"),
                                    QLatin1String("scenes"),    QLatin1String("guides")};
    const ZenubJsonKeys::Found values = keys.find(object);

    ZenubProject project;
    project.m_name = reader.readString(values(Name), path, keys[Name], QString());
    const ZenubJsonPath stagePath(path, keys[Stage]);
    enum { Width, Height, Background };
    static const ZenubJsonKeys stageKeys{QLatin1String("width"), QLatin1String("height"),
                                         QLatin1String("background")};
    const ZenubJsonKeys::Found stage =
        stageKeys.find(reader.readObject(values(Stage), path, keys[Stage]));
    project.m_stageWidth = reader.readInt(stage(Width), stagePath, stageKeys[Width],
                                          project.m_stageWidth, 1, maximumStageSize());
    project.m_stageHeight = reader.readInt(stage(Height), stagePath, stageKeys[Height],
                                           project.m_stageHeight, 1, maximumStageSize());
    project.m_backgroundColor = reader.readColor(stage(Background), stagePath,
                                                 stageKeys[Background], project.m_backgroundColor);
    project.m_frameRate = reader.readInt(values(FrameRate), path, keys[FrameRate],
                                         project.m_frameRate, 1, maximumFrameRate());
    const ZenubPictureTable pictures = ZenubPictureTable::fromJson(values(Pictures), reader, path);
    project.m_guides = ZenubGuides::fromJson(values(Guides), reader, path);
    const ZenubJsonPath scenesPath(path, keys[Scenes]);
    const QJsonArray scenes = reader.readArray(values(Scenes), path, keys[Scenes]);
    const ZenubPictureTable* outer = reader.pictures();
    reader.setPictures(&pictures);
    if (!reader.hasError())
        project.m_scenes = readScenes(scenes, reader, scenesPath);
    reader.setPictures(outer);
    return project;
}

bool ZenubProject::operator==(const ZenubProject& other) const
{
    return m_name == other.m_name && m_stageWidth == other.m_stageWidth &&
           m_stageHeight == other.m_stageHeight && m_frameRate == other.m_frameRate &&
           m_backgroundColor == other.m_backgroundColor && m_scenes == other.m_scenes &&
           m_guides == other.m_guides;
}
