// SPDX-License-Identifier: MIT
#include "videoexportdialog.h"

#include "dialogfolders.h"
#include "model/project/zenubproject.h"
#include "video/encoder/videoencoder.h"
#include "video/videoexporttask.h"

#include <plugin/iui.h>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

namespace {

const char* const kTitle = "Zenub Animate";

} // namespace

VideoExportDialog::VideoExportDialog(const ZenubProject& project, int scene,
                                     const QString& fileName, QWidget* parent)
    : QProgressDialog(parent)
    , m_pTask(new VideoExportTask(project, fileName, {scene}, this))
{
    setWindowTitle(tr("Export to Video"));
    m_fileName = QFileInfo(fileName).fileName();
    setLabelText(tr("Exporting to %1").arg(m_fileName));
    // Wide enough that the changing label does not resize the dialog.
    setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    setWindowModality(Qt::WindowModal);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumDuration(0);
    setRange(0, int(std::min<qint64>(m_pTask->totalFrames(), INT_MAX)));
    setValue(0);
    connect(m_pTask, &VideoExportTask::progressChanged, this, &VideoExportDialog::onProgress);
    connect(m_pTask, &VideoExportTask::finished, this, &VideoExportDialog::onFinished);
    // The dialog stays until the thread has let go of the file, so nothing is left behind.
    // QProgressDialog hides itself on canceled(); its connection is made by signature.
    disconnect(this, SIGNAL(canceled()), this, SLOT(cancel()));
    connect(this, &QProgressDialog::canceled, this, [this] {
        m_pTask->cancel();
        setLabelText(tr("Cancelling..."));
        if (QPushButton* button = findChild<QPushButton*>())
            button->setEnabled(false);
    });
}

VideoExportDialog::~VideoExportDialog() = default;

bool VideoExportDialog::run()
{
    m_pTask->start();
    exec();
    if (!m_bFinished) {
        // Closed some other way: the task's destructor stops the thread and drops the file.
        m_pTask->cancel();
        m_bCancelled = true;
    }
    return m_bSucceeded;
}

void VideoExportDialog::reject()
{
    emit canceled();
}

void VideoExportDialog::onProgress(qint64 done, qint64 total)
{
    setValue(int(std::min(done, total)));
    setLabelText(tr("Exporting to %1: frame %2 of %3").arg(m_fileName).arg(done).arg(total));
}

void VideoExportDialog::onFinished(bool bSucceeded, bool bCancelled, const QString& errorString)
{
    m_bFinished = true;
    m_bSucceeded = bSucceeded;
    m_bCancelled = bCancelled;
    m_errorString = errorString;
    done(bSucceeded ? QDialog::Accepted : QDialog::Rejected);
}

void VideoExportDialog::exportScene(QWidget* parent, const ZenubProject& project, int scene,
                                    const QString& projectFile)
{
    const QString mp4Filter = tr("MP4 video (*.mp4)");
    const QString webmFilter = tr("WebM video (*.webm)");
    const QFileInfo projectInfo(projectFile);
    QString filter = mp4Filter;
    QString fileName =
        QFileDialog::getSaveFileName(parent, tr("Export to Video"),
                                     QDir(DialogFolders::start(DialogFolders::Exports, projectFile))
                                         .filePath(projectInfo.completeBaseName() + ".mp4"),
                                     mp4Filter + ";;" + webmFilter, &filter);
    if (fileName.isEmpty())
        return;
    DialogFolders::remember(DialogFolders::Exports, fileName);
    VideoEncoder::Format format;
    if (!VideoEncoder::formatForFileName(fileName, &format))
        fileName += filter == webmFilter ? QStringLiteral(".webm") : QStringLiteral(".mp4");

    VideoExportDialog dialog(project, scene, fileName, parent);
    if (dialog.run()) {
        IUi::getInstance()->showInformation(
            parent, QString::fromLatin1(kTitle),
            tr("The video was written to %1.").arg(QDir::toNativeSeparators(fileName)),
            QMessageBox::Ok, QMessageBox::Ok);
    } else if (!dialog.wasCancelled()) {
        IUi::getInstance()->showWarning(
            parent, QString::fromLatin1(kTitle),
            tr("Could not export the video.\n%1").arg(dialog.errorString()), QMessageBox::Ok,
            QMessageBox::Ok);
    }
}
