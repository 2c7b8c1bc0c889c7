// SPDX-License-Identifier: MIT
#include "frameexports.h"

#include "dialogfolders.h"
#include "exportprogressdialog.h"
#include "exportsettingsdialog.h"
#include "model/export/framesexportjob.h"
#include "video/videoexportjob.h"

#include <plugin/iui.h>

#include <QDir>
#include <QFileInfo>

namespace {

const char* const kTitle = "Zenub Animate";

struct Remembered
{
    ExportSettings settings;
    QString videoSuffix = QStringLiteral("mp4");
};

Remembered& remembered()
{
    static Remembered last;
    return last;
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

void FrameExports::exportVideo(QWidget* parent, const ZenubProject& project,
                               const QString& projectFile)
{
    const QString start = QDir(DialogFolders::start(DialogFolders::Exports, projectFile))
                              .filePath(QFileInfo(projectFile).completeBaseName() +
                                        QLatin1Char('.') + remembered().videoSuffix);
    ExportSettingsDialog settings(ExportSettingsDialog::Target::VideoFile, project, start,
                                  remembered().settings, parent);
    if (settings.exec() != QDialog::Accepted)
        return;
    const QString fileName = settings.path();
    remembered().settings = settings.settings();
    remembered().videoSuffix = QFileInfo(fileName).suffix().toLower();
    DialogFolders::remember(DialogFolders::Exports, fileName);
    ExportProgressDialog dialog(
        std::make_unique<VideoExportJob>(project, fileName, settings.settings()),
        QFileInfo(fileName).fileName(), parent);
    report(parent, &dialog,
           tr("The video was written to %1.").arg(QDir::toNativeSeparators(fileName)),
           tr("Could not export the video."));
}

void FrameExports::exportFrames(QWidget* parent, const ZenubProject& project,
                                const QString& projectFile)
{
    const QString start =
        QDir(DialogFolders::start(DialogFolders::Exports, projectFile))
            .filePath(QFileInfo(projectFile).completeBaseName() + QStringLiteral("-frames"));
    ExportSettingsDialog settings(ExportSettingsDialog::Target::FramesFolder, project, start,
                                  remembered().settings, parent);
    if (settings.exec() != QDialog::Accepted)
        return;
    const QString folder = settings.path();
    remembered().settings = settings.settings();
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
