// SPDX-License-Identifier: MIT
#include "projectexporter.h"

#include "model/html5/zenubhtmlexporter.h"
#include "model/project/zenubproject.h"
#include "model/io/zenub/zenubprojectfile.h"
#include "video/videoexportjob.h"

#include <QDir>

ProjectExporter::ProjectExporter(QObject* parent)
    : QObject(parent)
{
    setObjectName(poolName());
}

QString ProjectExporter::exportHtml5(const QString& projectFile, const QString& folder)
{
    ZenubProjectFile file(projectFile);
    ZenubProject project;
    if (!file.load(&project))
        return file.getErrorString();
    emit progress(tr("Writing %1")
                      .arg(QDir::toNativeSeparators(
                          QDir(folder).filePath(ZenubHtmlExporter::indexFileName()))));
    QString error;
    if (!ZenubHtmlExporter::exportHtml5(project, folder, &error))
        return error.isEmpty() ? tr("The page could not be written.") : error;
    return QString();
}

QString ProjectExporter::exportVideo(const QString& projectFile, const QString& videoFile)
{
    ZenubProjectFile file(projectFile);
    ZenubProject project;
    if (!file.load(&project))
        return file.getErrorString();
    VideoExportJob job(project, videoFile);
    int lastPercent = -1;
    const bool bOk = job.run([this, &lastPercent](qint64 done, qint64 total) {
        // One line per percent is enough for a log, however long the animation.
        const int percent = int(done * 100 / total);
        if (percent == lastPercent)
            return;
        lastPercent = percent;
        emit progress(tr("Frame %1 of %2 (%3 %)").arg(done).arg(total).arg(percent));
    });
    return bOk ? QString() : job.errorString();
}
