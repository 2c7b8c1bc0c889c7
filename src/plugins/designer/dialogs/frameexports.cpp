// SPDX-License-Identifier: MIT
#include "frameexports.h"

#include "dialogfolders.h"
#include "exportprogressdialog.h"
#include "exportsettingsdialog.h"
#include "model/export/framesexportjob.h"
#include "video/encoder/videoencoder.h"
#include "video/videoexportjob.h"

#include <extensionsystem/pluginmanager.h>

#include <plugin/iui.h>

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const char* const kTitle = "Zenub Animate";

// Kept in the settings across runs: how, not what. The scene and the frames belong to one
// project, so every export starts with the whole project.
const char* const kGroup = "Designer/Export";
const char* const kKept[] = {"scale", "quality", "plays", "transparent"};
const char* const kSuffixKey = "Designer/Export/videoSuffix";

ExportSettings lastSettings()
{
    ExportSettings settings;
    if (QSettings* stored = ExtensionSystem::PluginManager::settings()) {
        QVariantMap map;
        stored->beginGroup(QLatin1String(kGroup));
        for (const char* key : kKept)
            if (stored->contains(QLatin1String(key)))
                map.insert(QLatin1String(key), stored->value(QLatin1String(key)));
        stored->endGroup();
        QString ignored;
        if (!ExportSettings::fromMap(map, &settings, &ignored))
            settings = ExportSettings();
    }
    return settings;
}

QString lastVideoSuffix()
{
    const QSettings* stored = ExtensionSystem::PluginManager::settings();
    const QString suffix = stored ? stored->value(QLatin1String(kSuffixKey)).toString() : QString();
    VideoEncoder::Format format;
    return VideoEncoder::formatForFileName(QStringLiteral("a.") + suffix, &format)
               ? suffix
               : QStringLiteral("mp4");
}

void remember(const ExportSettings& settings, const QString& videoSuffix = QString())
{
    QSettings* stored = ExtensionSystem::PluginManager::settings();
    if (!stored)
        return;
    const QVariantMap map = settings.toMap();
    stored->beginGroup(QLatin1String(kGroup));
    for (const char* key : kKept)
        stored->setValue(QLatin1String(key), map.value(QLatin1String(key)));
    stored->endGroup();
    if (!videoSuffix.isEmpty())
        stored->setValue(QLatin1String(kSuffixKey), videoSuffix);
}

void report(QWidget* parent, ExportProgressDialog* dialog, const QString& written,
            const QString& failed)
{
    if (dialog->run())
        IUi::getInstance()->showInformation(parent, QString::fromLatin1(kTitle), written,
                                            QMessageBox::Ok, QMessageBox::Ok);
    else if (!dialog->wasCancelled())
        IUi::getInstance()->showWarning(parent, QString::fromLatin1(kTitle),
                                        failed + QLatin1Char('\n') + dialog->errorString(),
                                        QMessageBox::Ok, QMessageBox::Ok);
}

} // namespace

QString FrameExports::writtenMessage(const QString& fileName)
{
    // Animated pictures are not videos: the message names what the user chose.
    const QString place = QDir::toNativeSeparators(fileName);
    VideoEncoder::Format format = VideoEncoder::Format::Mp4;
    VideoEncoder::formatForFileName(fileName, &format);
    switch (format) {
    case VideoEncoder::Format::Gif:
        return tr("The animated GIF was written to %1.").arg(place);
    case VideoEncoder::Format::WebP:
        return tr("The animated WebP picture was written to %1.").arg(place);
    case VideoEncoder::Format::Apng:
        return tr("The animated PNG was written to %1.").arg(place);
    case VideoEncoder::Format::Mp4:
    case VideoEncoder::Format::WebM:
        break;
    }
    return tr("The video was written to %1.").arg(place);
}

QString FrameExports::failedMessage(const QString& fileName)
{
    VideoEncoder::Format format = VideoEncoder::Format::Mp4;
    VideoEncoder::formatForFileName(fileName, &format);
    switch (format) {
    case VideoEncoder::Format::Gif:
        return tr("Could not export the animated GIF.");
    case VideoEncoder::Format::WebP:
        return tr("Could not export the animated WebP picture.");
    case VideoEncoder::Format::Apng:
        return tr("Could not export the animated PNG.");
    case VideoEncoder::Format::Mp4:
    case VideoEncoder::Format::WebM:
        break;
    }
    return tr("Could not export the video.");
}

void FrameExports::exportVideo(QWidget* parent, const ZenubProject& project,
                               const QString& projectFile)
{
    const QString start = QDir(DialogFolders::start(DialogFolders::Exports, projectFile))
                              .filePath(QFileInfo(projectFile).completeBaseName() +
                                        QLatin1Char('.') + lastVideoSuffix());
    ExportSettingsDialog settings(ExportSettingsDialog::Target::VideoFile, project, start,
                                  lastSettings(), parent);
    if (settings.exec() != QDialog::Accepted)
        return;
    const QString fileName = settings.path();
    remember(settings.settings(), QFileInfo(fileName).suffix().toLower());
    DialogFolders::remember(DialogFolders::Exports, fileName);
    auto job = std::make_unique<VideoExportJob>(project, fileName, settings.settings());
    job->setInputFiles({projectFile});
    ExportProgressDialog dialog(std::move(job), QFileInfo(fileName).fileName(), parent);
    report(parent, &dialog, writtenMessage(fileName), failedMessage(fileName));
}

void FrameExports::exportFrames(QWidget* parent, const ZenubProject& project,
                                const QString& projectFile)
{
    const QString start =
        QDir(DialogFolders::start(DialogFolders::Exports, projectFile))
            .filePath(QFileInfo(projectFile).completeBaseName() + QStringLiteral("-frames"));
    ExportSettingsDialog settings(ExportSettingsDialog::Target::FramesFolder, project, start,
                                  lastSettings(), parent);
    if (settings.exec() != QDialog::Accepted)
        return;
    const QString folder = settings.path();
    remember(settings.settings());
    DialogFolders::remember(DialogFolders::Exports, folder);
    auto job = std::make_unique<FramesExportJob>(project, folder, settings.settings());
    const qint64 count = job->totalFrames();
    ExportProgressDialog dialog(std::move(job), QDir::toNativeSeparators(folder), parent);
    report(parent, &dialog,
           tr("The frames were written to %1: %2 to %3.")
               .arg(QDir::toNativeSeparators(folder), FramesExportJob::frameFileName(0),
                    FramesExportJob::frameFileName(int(count) - 1)),
           tr("Could not export the frames."));
}
