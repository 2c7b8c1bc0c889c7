// SPDX-License-Identifier: MIT
#ifndef ZENUBSCENE_H
#define ZENUBSCENE_H

#include "zenublayer.h"

#include <QJsonObject>
#include <QString>
#include <QVector>

/*!
    A stretch of the animation: its layers play for the scene's duration, counted in frames of
    the project's frame rate, and then the next scene starts.
*/
class ZenubScene
{
public:
    ZenubScene() = default;
    ZenubScene(const QString& name, int durationFrames);

    QString getName() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    int getDuration() const { return m_duration; }
    void setDuration(int frames) { m_duration = frames; }

    const QVector<ZenubLayer>& getLayers() const { return m_layers; }
    QVector<ZenubLayer>& layers() { return m_layers; }
    void addLayer(const ZenubLayer& layer) { m_layers.append(layer); }

    QJsonObject toJson() const;
    /*! Writes the same members as toJson() gives. */
    void write(ZenubJsonWriter& writer) const;
    static ZenubScene fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                               const ZenubJsonPath& path);

    bool operator==(const ZenubScene& other) const;
    bool operator!=(const ZenubScene& other) const { return !(*this == other); }

private:
    QString m_name;
    int m_duration = 48;
    QVector<ZenubLayer> m_layers;
};

#endif
