// SPDX-License-Identifier: MIT
#ifndef PROJECTEXPORTER_H
#define PROJECTEXPORTER_H

#include <QObject>
#include <QVariantMap>

#include <functional>
#include <memory>

class ExportJob;
struct ExportSettings;
class ZenubProject;

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

    // Each returns the error, empty on success. \a settings holds the command line's shared
    // export settings by their options' names (see ExportSettings::fromMap()).

    /*! Writes the project's web page (or one scene's) into \a folder. */
    Q_INVOKABLE QString exportHtml5(const QString& projectFile, const QString& folder,
                                    const QVariantMap& settings = QVariantMap());
    /*! Writes the chosen frames as one video or animated picture, by the file's suffix. */
    Q_INVOKABLE QString exportVideo(const QString& projectFile, const QString& videoFile,
                                    const QVariantMap& settings = QVariantMap());
    /*! Writes the chosen frames as PNG pictures into \a folder. */
    Q_INVOKABLE QString exportFrames(const QString& projectFile, const QString& folder,
                                     const QVariantMap& settings = QVariantMap());
    /*!
        Writes the project (or one scene) as one Lottie animation; says each thing Lottie cannot
        carry through progress() before writing.
    */
    Q_INVOKABLE QString exportLottie(const QString& projectFile, const QString& lottieFile,
                                     const QVariantMap& settings = QVariantMap());

signals:
    /*! A line worth telling the user while an export runs. */
    void progress(const QString& text);

private:
    /*! The project (or Lottie animation) and the settings, or the first fault of either. */
    QString load(const QString& projectFile, const QVariantMap& map, ZenubProject* project,
                 ExportSettings* settings);
    using MakeJob =
        std::function<std::unique_ptr<ExportJob>(const ZenubProject&, const ExportSettings&)>;
    // Video and PNG frames share loading, the settings check and the refusal of their input.
    QString exportEachFrame(const QString& projectFile, const QVariantMap& settings,
                            const MakeJob& makeJob);
    QString runJob(ExportJob* job);
};

#endif
