// SPDX-License-Identifier: MIT
#ifndef PROJECTEXPORTER_H
#define PROJECTEXPORTER_H

#include <QObject>

/*!
    The exports of a project file without the main window, for the command line. The plugin
    puts one into the plugin manager's object pool under objectName(); the host finds it there
    and calls its invokable methods by name, so it needs none of this plugin's headers.
*/
class ProjectExporter : public QObject
{
    Q_OBJECT
public:
    explicit ProjectExporter(QObject* parent = nullptr);

    static QString poolName() { return QStringLiteral("Designer.ProjectExporter"); }

    /*! Writes the project's web page into \a folder; returns the error, empty on success. */
    Q_INVOKABLE QString exportHtml5(const QString& projectFile, const QString& folder);
    /*! Writes every scene as one video, .mp4 or .webm; returns the error, empty on success. */
    Q_INVOKABLE QString exportVideo(const QString& projectFile, const QString& videoFile);

signals:
    /*! A line worth telling the user while an export runs. */
    void progress(const QString& text);
};

#endif
