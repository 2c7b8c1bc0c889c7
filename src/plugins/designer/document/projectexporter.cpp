// SPDX-License-Identifier: MIT
#include "projectexporter.h"

#include "model/export/framesexportjob.h"
#include "model/html5/zenubhtmlexporter.h"
#include "model/io/zenub/zenubprojectfile.h"
#include "model/project/zenubproject.h"
#include "video/videoexportjob.h"

#include <QDir>

ProjectExporter::ProjectExporter(QObject* parent)
    : QObject(parent)
{
    setObjectName(poolName());
}

namespace {

// The project and the settings, or the first fault of either.
QString load(const QString& projectFile, const QVariantMap& map, ZenubProject* project,
             ExportSettings* settings)
{
    ZenubProjectFile file(projectFile);
    if (!file.load(project))
        return file.getErrorString();
    QString error;
    return ExportSettings::fromMap(map, settings, &error) ? QString() : error;
}

} // namespace

QString ProjectExporter::exportHtml5(const QString& projectFile, const QString& folder,
                                     const QVariantMap& settings)
{
    for (const QString& key : settings.keys())
        if (key != QLatin1String("scene"))
            return tr("--%1 does not apply to the HTML5 export.").arg(key);
    ZenubProject project;
    ExportSettings chosen;
    QString error = load(projectFile, settings, &project, &chosen);
    if (!error.isEmpty())
        return error;
    if (!chosen.sceneName.isEmpty()) {
        const QVector<ExportFrame> frames = chosen.frames(project, &error);
        if (frames.isEmpty())
            return error;
        const ZenubScene scene = project.getScenes().at(frames.first().scene);
        project.scenes() = {scene};
    }
    emit progress(tr("Writing %1")
                      .arg(QDir::toNativeSeparators(
                          QDir(folder).filePath(ZenubHtmlExporter::indexFileName()))));
    if (!ZenubHtmlExporter::exportHtml5(project, folder, &error))
        return error.isEmpty() ? tr("The page could not be written.") : error;
    return QString();
}

QString ProjectExporter::exportVideo(const QString& projectFile, const QString& videoFile,
                                     const QVariantMap& settings)
{
    ZenubProject project;
    ExportSettings chosen;
    const QString error = load(projectFile, settings, &project, &chosen);
    if (!error.isEmpty())
        return error;
    VideoExportJob job(project, videoFile, chosen);
    return runJob(&job);
}

QString ProjectExporter::exportFrames(const QString& projectFile, const QString& folder,
                                      const QVariantMap& settings)
{
    ZenubProject project;
    ExportSettings chosen;
    const QString error = load(projectFile, settings, &project, &chosen);
    if (!error.isEmpty())
        return error;
    FramesExportJob job(project, folder, chosen);
    return runJob(&job);
}

QString ProjectExporter::runJob(ExportJob* job)
{
    int lastPercent = -1;
    const bool bOk = job->run([this, &lastPercent](qint64 done, qint64 total) {
        // One line per percent is enough for a log, however long the animation.
        const int percent = int(done * 100 / total);
        if (percent == lastPercent)
            return;
        lastPercent = percent;
        emit progress(tr("Frame %1 of %2 (%3 %)").arg(done).arg(total).arg(percent));
    });
    return bOk ? QString() : job->errorString();
}
