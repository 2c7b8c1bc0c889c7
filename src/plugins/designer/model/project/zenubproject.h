// SPDX-License-Identifier: MIT
#ifndef ZENUBPROJECT_H
#define ZENUBPROJECT_H

#include "zenubguides.h"
#include "zenubscene.h"

#include <QColor>
#include <QJsonObject>
#include <QString>
#include <QVector>

/*!
    An HTML5 animation: a stage of a fixed pixel size and background colour on which the scenes
    play one after another at the project's frame rate.
*/
class ZenubProject
{
public:
    ZenubProject() = default;

    /*! A project with one scene holding one empty layer, as a new document starts. */
    static ZenubProject createNew(const QString& name, int stageWidth, int stageHeight,
                                  int frameRate);

    QString getName() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    int getStageWidth() const { return m_stageWidth; }
    void setStageWidth(int pixels) { m_stageWidth = pixels; }
    int getStageHeight() const { return m_stageHeight; }
    void setStageHeight(int pixels) { m_stageHeight = pixels; }
    int getFrameRate() const { return m_frameRate; }
    void setFrameRate(int framesPerSecond) { m_frameRate = framesPerSecond; }
    QColor getBackgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor& color) { m_backgroundColor = color; }

    /*! The lines pulled from the rulers, the same over every scene. */
    const ZenubGuides& getGuides() const { return m_guides; }
    void setGuides(const ZenubGuides& guides) { m_guides = guides; }

    const QVector<ZenubScene>& getScenes() const { return m_scenes; }
    QVector<ZenubScene>& scenes() { return m_scenes; }
    void addScene(const ZenubScene& scene) { m_scenes.append(scene); }
    /*! The length of the whole animation in frames. */
    qint64 getTotalFrames() const;

    // Limits of a valid project; files outside them are refused.
    static constexpr int maximumStageSize() { return 16384; }
    static constexpr int maximumFrameRate() { return 240; }

    QJsonObject toJson() const;
    /*!
        Reads a project written by toJson(). On failure \a project is left as it was and
        \a errorString names the first offending field.
    */
    static bool fromJson(const QJsonObject& object, ZenubProject* project,
                         QString* errorString = nullptr);
    /*! Writes the same members as toJson() gives. */
    void write(ZenubJsonWriter& writer) const;
    static ZenubProject fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                 const ZenubJsonPath& path);

    bool operator==(const ZenubProject& other) const;
    bool operator!=(const ZenubProject& other) const { return !(*this == other); }

private:
    QString m_name;
    int m_stageWidth = 1280;
    int m_stageHeight = 720;
    int m_frameRate = 24;
    QColor m_backgroundColor = QColor(Qt::white);
    QVector<ZenubScene> m_scenes;
    ZenubGuides m_guides;
};

#endif
