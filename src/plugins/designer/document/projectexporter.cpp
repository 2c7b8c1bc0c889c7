// SPDX-License-Identifier: MIT
#include "projectexporter.h"

#include "model/export/framesexportjob.h"
#include "model/html5/zenubhtmlexporter.h"
#include "model/io/lottie/lottieexporter.h"
#include "model/io/lottie/lottieimporter.h"
#include "model/io/zenub/zenubprojectfile.h"
#include "model/project/zenubproject.h"
#include "video/videoexportjob.h"

#include <QDir>
#include <QLocale>

ProjectExporter::ProjectExporter(QObject* parent)
    : QObject(parent)
{
    setObjectName(poolName());
}

namespace {

// The banner's options make sense only for a page.
QString pageOption(const QVariantMap& settings)
{
    for (const char* key : {"click-url", "fallback-frame", "rewind"})
        if (settings.contains(QLatin1String(key)))
            return ProjectExporter::tr("--%1 applies only to the HTML5 export.")
                .arg(QLatin1String(key));
    return QString();
}

} // namespace

QString ProjectExporter::load(const QString& projectFile, const QVariantMap& map,
                              ZenubProject* project, ExportSettings* settings)
{
    if (LottieImporter::isLottieFile(projectFile)) {
        QStringList leftOut;
        QString error;
        if (!LottieImporter::importFile(projectFile, project, &leftOut, &error))
            return error;
        if (!leftOut.isEmpty())
            emit progress(LottieImporter::leftOutMessage(projectFile, leftOut));
    } else {
        ZenubProjectFile file(projectFile);
        if (!file.load(project))
            return file.getErrorString();
    }
    QString error;
    return ExportSettings::fromMap(map, settings, &error) ? QString() : error;
}

QString ProjectExporter::exportHtml5(const QString& projectFile, const QString& folder,
                                     const QVariantMap& settings)
{
    const QStringList pageKeys{QStringLiteral("scene"), QStringLiteral("plays"),
                               QStringLiteral("click-url"), QStringLiteral("fallback-frame"),
                               QStringLiteral("rewind")};
    for (const QString& key : settings.keys())
        if (!pageKeys.contains(key))
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
    BannerOptions banner;
    banner.plays = chosen.plays;
    banner.bStopOnLastFrame = !settings.value(QStringLiteral("rewind")).toBool();
    banner.clickUrl = settings.value(QStringLiteral("click-url")).toString();
    if (settings.contains(QStringLiteral("fallback-frame"))) {
        bool bOk = false;
        banner.fallbackFrame =
            settings.value(QStringLiteral("fallback-frame")).toString().toInt(&bOk);
        if (!bOk || banner.fallbackFrame < 0)
            return tr("The fallback frame must be a frame number from 0, not \"%1\".")
                .arg(settings.value(QStringLiteral("fallback-frame")).toString());
    }
    emit progress(tr("Writing %1")
                      .arg(QDir::toNativeSeparators(
                          QDir(folder).filePath(ZenubHtmlExporter::indexFileName()))));
    qint64 bytes = 0;
    if (!ZenubHtmlExporter::exportHtml5(project, folder, &error, banner, &bytes, {projectFile}))
        return error.isEmpty() ? tr("The page could not be written.") : error;
    emit progress(tr("%1 written in all").arg(QLocale().formattedDataSize(bytes)));
    return QString();
}

QString ProjectExporter::exportVideo(const QString& projectFile, const QString& videoFile,
                                     const QVariantMap& settings)
{
    return exportEachFrame(projectFile, settings,
                           [&videoFile](const ZenubProject& project, const ExportSettings& chosen) {
                               return std::make_unique<VideoExportJob>(project, videoFile, chosen);
                           });
}

QString ProjectExporter::exportFrames(const QString& projectFile, const QString& folder,
                                      const QVariantMap& settings)
{
    return exportEachFrame(projectFile, settings,
                           [&folder](const ZenubProject& project, const ExportSettings& chosen) {
                               return std::make_unique<FramesExportJob>(project, folder, chosen);
                           });
}

QString ProjectExporter::exportEachFrame(const QString& projectFile, const QVariantMap& settings,
                                         const MakeJob& makeJob)
{
    const QString pageOnly = pageOption(settings);
    if (!pageOnly.isEmpty())
        return pageOnly;
    ZenubProject project;
    ExportSettings chosen;
    const QString error = load(projectFile, settings, &project, &chosen);
    if (!error.isEmpty())
        return error;
    const std::unique_ptr<ExportJob> job = makeJob(project, chosen);
    job->setInputFiles({projectFile});
    return runJob(job.get());
}

QString ProjectExporter::exportLottie(const QString& projectFile, const QString& lottieFile,
                                      const QVariantMap& settings)
{
    for (const QString& key : settings.keys())
        if (key != QLatin1String("scene"))
            return tr("--%1 does not apply to the Lottie export.").arg(key);
    ZenubProject project;
    ExportSettings chosen;
    QString error = load(projectFile, settings, &project, &chosen);
    if (!error.isEmpty())
        return error;
    LottieExportOptions options;
    if (!chosen.sceneName.isEmpty()) {
        const QVector<ExportFrame> frames = chosen.frames(project, &error);
        if (frames.isEmpty())
            return error;
        options.scene = frames.first().scene;
    }
    const LottieExporter exporter(project, options);
    for (const QString& line : exporter.notCarried())
        emit progress(line);
    emit progress(tr("Writing %1").arg(QDir::toNativeSeparators(lottieFile)));
    if (!exporter.write(lottieFile, &error))
        return error.isEmpty() ? tr("The Lottie file could not be written.") : error;
    return QString();
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
